#include "recording_display.h"

#include <algorithm>
#include <string>

#include "app_error.h"

namespace mogran {

namespace {

std::size_t Index(DisplayField field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

const char* FieldName(DisplayField field) {
    static constexpr std::array<const char*, 6> names = {"Edit1", "Edit2", "Edit3",
                                                         "Edit4", "Edit5", "Edit6"};
    return names[Index(field)];
}

void RecordingDisplay::Record(const std::string& entry) {
    const int attempt = ++attempts_[entry];
    for (const Failure& f : failures_) {
        if (f.entry == entry && f.occurrence == attempt)
            throw AppError(f.message);
    }
    log.push_back(entry);
}

void RecordingDisplay::SetText(DisplayField field, const std::string& text) {
    Record(std::string("SetText ") + FieldName(field) + " " + text);
    texts[Index(field)] = text;
}

std::string RecordingDisplay::Text(DisplayField field) const {
    return texts[Index(field)];
}

void RecordingDisplay::SetEdit6Colour(Rgb colour) {
    Record("SetEdit6Colour " + std::to_string(colour.r) + "," + std::to_string(colour.g) + "," +
           std::to_string(colour.b));
    edit6Colour = colour;
}

void RecordingDisplay::SetButton3Caption(const std::string& caption) {
    Record("SetButton3Caption " + caption);
    button3Caption = caption;
}

void RecordingDisplay::SetButton3Hint(const std::string& hint) {
    Record("SetButton3Hint " + hint);
    button3Hint = hint;
}

void RecordingDisplay::FocusEdit2() {
    Record("FocusEdit2");
    focus = Focus::Edit2;
}

void RecordingDisplay::FocusButton3() {
    Record("FocusButton3");
    focus = Focus::Button3;
}

void RecordingDisplay::SetCheckBox1Ticked(bool value) {
    Record(std::string("SetCheckBox1Ticked ") + (value ? "1" : "0"));
    ticked = value;
}

std::string RecordingDisplay::InputBox(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) {
    Record("InputBox");
    inputBoxCalls.push_back({caption, prompt, defaultText});
    if (inputAnswers.empty())
        return defaultText;
    const std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer.value_or(defaultText);
}

void RecordingDisplay::ShowPicture(const std::string& fileName) {
    Record("ShowPicture " + fileName);
    picture = fileName;
}

void RecordingDisplay::PlaySoundFile(const std::string& fileName) {
    Record("PlaySoundFile " + fileName);
    sound = fileName;
}

void RecordingDisplay::CloseWindow() {
    Record("CloseWindow");
    closed = true;
}

void RecordingDisplay::FailAt(const std::string& entry, int occurrence,
                              const std::string& message) {
    failures_.push_back({entry, attempts_[entry] + occurrence, message});
}

int RecordingDisplay::Count(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

}  // namespace mogran
