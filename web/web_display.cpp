#include "web_display.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include <emscripten.h>

#include "app_error.h"
#include "app_identity.h"
#include "picture_kind.h"
#include "window_texts.h"

// The page's side of each operation. Texts go both ways as UTF-8; a text the page returns is
// allocated with malloc and handed over.
// clang-format off
EM_JS(void, FrontSetText, (int field, const char* text), {
    Module.front.setText(field, UTF8ToString(text));
});
EM_JS(char*, FrontText, (int field), {
    return Module.front.newCString(Module.front.text(field));
});
EM_JS(void, FrontSetEdit6Colour, (int r, int g, int b), {
    Module.front.setEdit6Colour(r, g, b);
});
EM_JS(void, FrontSetButton3, (const char* caption, const char* hint), {
    Module.front.setButton3(caption ? UTF8ToString(caption) : null, hint ? UTF8ToString(hint) : null);
});
EM_JS(void, FrontFocus, (const char* control), {
    Module.front.focus(UTF8ToString(control));
});
EM_JS(int, FrontCheckBox1, (int set), {
    return Module.front.checkBox1(set) ? 1 : 0;
});
EM_JS(int, FrontRadioGroup1ItemIndex, (), {
    return Module.front.radioGroup1ItemIndex();
});
EM_JS(void, FrontControlTexts, (const char* control, const char* caption, const char* hint,
                                const char* name), {
    Module.front.controlTexts(UTF8ToString(control), UTF8ToString(caption), UTF8ToString(hint),
                              UTF8ToString(name));
});
EM_JS(void, FrontKindLabel, (int index, const char* label), {
    Module.front.kindLabel(index, UTF8ToString(label));
});
EM_JS(void, FrontTitle, (const char* window), {
    Module.front.title(UTF8ToString(window));
});
EM_JS(void, FrontShowPicture, (const std::uint8_t* rgba, int width, int height), {
    Module.front.showPicture(HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
});
EM_JS(void, FrontCloseWindow, (), {
    Module.front.closeWindow();
});
EM_ASYNC_JS(char*, FrontInputBox, (const char* caption, const char* prompt, const char* text), {
    const answer = await Module.front.inputBox(UTF8ToString(caption), UTF8ToString(prompt),
                                               UTF8ToString(text));
    return Module.front.newCString(answer);
});
EM_ASYNC_JS(void, FrontErrorBox, (const char* caption, const char* text), {
    await Module.front.errorBox(UTF8ToString(caption), UTF8ToString(text));
});
// A media file as the page holds it: its bytes, *size their count; null with *size 0 when the
// file cannot be had, or with *size -1 when the page holds nothing yet and must read it first.
EM_JS(std::uint8_t*, FrontFileNow, (const char* name, int* size), {
    const file = Module.front.fileNow(UTF8ToString(name));
    HEAP32[size >> 2] = file ? (file.bytes ? file.bytes.length : 0) : -1;
    if (!file || !file.bytes) return 0;
    const at = _malloc(file.bytes.length + 1);
    HEAPU8.set(file.bytes, at);
    return at;
});
EM_ASYNC_JS(void, FrontReadFile, (const char* name), {
    await Module.front.file(UTF8ToString(name));
});
// Starts the sound: 0 when it plays, 1 when it cannot (*failure gets the text, empty when
// unknown), -1 when the page must first read or decode it, which FrontPlaySound waits for.
EM_JS(int, FrontPlaySoundNow, (const char* name, char** failure), {
    const result = Module.front.playSoundNow(UTF8ToString(name));
    if (result === undefined) return -1;
    if (result === null) return 0;
    HEAP32[failure >> 2] = Module.front.newCString(result);
    return 1;
});
EM_ASYNC_JS(char*, FrontPlaySound, (const char* name), {
    const failure = await Module.front.playSound(UTF8ToString(name));
    return failure === null ? 0 : Module.front.newCString(failure);
});
// clang-format on

namespace mogran {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

std::string TakeString(char* text) {
    std::unique_ptr<char, FreeDeleter> owned(text);
    return text != nullptr ? std::string(text) : std::string();
}

// A fetched file, which it owns.
class FetchedBytes : public ByteSource {
public:
    FetchedBytes(std::uint8_t* data, int size)
        : data_(data), bytes_(data, static_cast<std::size_t>(size)) {}
    std::uint64_t Size() override { return bytes_.Size(); }
    bool ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) override {
        return bytes_.ReadAt(at, out, n);
    }

private:
    std::unique_ptr<std::uint8_t, FreeDeleter> data_;
    MemoryBytes bytes_;
};

// The file as the page holds it, which needs no waiting once the page has read it.
std::unique_ptr<ByteSource> FetchFile(const std::string& fileName) {
    int size = 0;
    std::uint8_t* data = FrontFileNow(fileName.c_str(), &size);
    if (size < 0) {
        FrontReadFile(fileName.c_str());
        data = FrontFileNow(fileName.c_str(), &size);
    }
    if (data == nullptr)
        return nullptr;
    return std::make_unique<FetchedBytes>(data, size);
}

}  // namespace

void WebDisplay::SetText(DisplayField field, const std::string& text) {
    FrontSetText(static_cast<int>(field) + 1, text.c_str());
}

std::string WebDisplay::Text(DisplayField field) const {
    return TakeString(FrontText(static_cast<int>(field) + 1));
}

void WebDisplay::SetEdit6Colour(Rgb colour) {
    FrontSetEdit6Colour(colour.r, colour.g, colour.b);
}

void WebDisplay::SetButton3Caption(const std::string& caption) {
    FrontSetButton3(caption.c_str(), nullptr);
}

void WebDisplay::SetButton3Hint(const std::string& hint) {
    FrontSetButton3(nullptr, hint.c_str());
}

void WebDisplay::FocusEdit2() {
    FrontFocus("Edit2");
}

void WebDisplay::FocusButton3() {
    FrontFocus("Button3");
}

bool WebDisplay::CheckBox1Ticked() const {
    return FrontCheckBox1(-1) != 0;
}

void WebDisplay::SetCheckBox1Ticked(bool ticked) {
    FrontCheckBox1(ticked ? 1 : 0);
}

int WebDisplay::RadioGroup1ItemIndex() const {
    return FrontRadioGroup1ItemIndex();
}

std::string WebDisplay::InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) {
    return TakeString(FrontInputBox(caption.c_str(), prompt.c_str(), defaultText.c_str()));
}

void WebDisplay::ShowPicture(const std::string& fileName) {
    const BmpPicture picture = LoadPicture(fileName, FetchFile);
    std::vector<std::uint8_t> rgba(picture.pixels.size() * 4);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t argb = picture.pixels[i];
        rgba[i * 4] = static_cast<std::uint8_t>(argb >> 16);
        rgba[i * 4 + 1] = static_cast<std::uint8_t>(argb >> 8);
        rgba[i * 4 + 2] = static_cast<std::uint8_t>(argb);
        rgba[i * 4 + 3] = 0xFF;
    }
    FrontShowPicture(rgba.data(), picture.width, picture.height);
}

void WebDisplay::PlaySoundFile(const std::string& fileName) {
    char* failure = nullptr;
    const int started = FrontPlaySoundNow(fileName.c_str(), &failure);
    if (started == 0)
        return;
    if (started < 0) {
        failure = FrontPlaySound(fileName.c_str());
        if (failure == nullptr)
            return;
    }
    const std::string text = TakeString(failure);
    throw AppError(text.empty() ? "原因不明のｴﾗｰ" : text);
}

void WebDisplay::CloseWindow() {
    FrontCloseWindow();
}

void WebDisplay::ShowWindowTexts() {
    FrontTitle(kWindowCaption);
    for (const ControlTexts& texts : kControlTexts)
        FrontControlTexts(texts.control, texts.caption, texts.hint, texts.accessibleName);
    int index = 0;
    for (const char* label : kKindLabels)
        FrontKindLabel(index++, label);
}

void WebDisplay::ErrorBox(const std::string& text) {
    FrontErrorBox(kApplicationTitle, text.c_str());
}

}  // namespace mogran
