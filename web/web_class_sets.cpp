// The teacher's page: class sets from the form's settings, checked by the rules of
// mogran-worksheets, drawn by the same code on the page's sheets.

#include <cstdint>
#include <emscripten.h>
#include <optional>
#include <string>

#include "class_worksheets.h"
#include "error_text.h"
#include "random_source.h"
#include "web_print_device.h"
#include "window_texts.h"
#include "worksheets_settings.h"

// clang-format off
EM_JS(void, FormKindLabel, (int kind, const char* label), {
    Module.form.kindLabel(kind, UTF8ToString(label));
});
EM_JS(void, FormRefuse, (const char* field, const char* message), {
    Module.form.refuse(UTF8ToString(field), UTF8ToString(message));
});
EM_JS(void, FormSeed, (const char* seed), {
    Module.form.seed(UTF8ToString(seed));
});
EM_JS(void, FormFailed, (const char* message), {
    Module.form.failed(UTF8ToString(message));
});
// clang-format on

namespace mogran {

namespace {

// The form's fields by their element ids, with what the messages call them.
struct NumberField {
    const char* id;
    const char* label;
    SettingRange range;
};
constexpr NumberField kKindField{"Kind", "しゅるい", kKindRange};
constexpr NumberField kCountField{"Count", "1組のもんだいすう", kCountRange};
constexpr NumberField kSetsField{"Sets", "組のかず", kSetsRange};
constexpr NumberField kSeedField{"Seed", "乱数の番号", kSeedRange};

// The number in the field, or none after the field's message has been put next to it.
std::optional<std::int64_t> Read(const NumberField& field, const std::string& text) {
    std::int64_t value = 0;
    if (CheckWholeNumber(text, field.range, value) == NumberCheck::Ok)
        return value;
    const std::string message = std::string(field.label) + "は " + std::to_string(field.range.min) +
                                "～" + std::to_string(field.range.max) +
                                " の整数で入れてください。";
    FormRefuse(field.id, message.c_str());
    return std::nullopt;
}

// Sheets laid out for printing, or 0 when a setting was refused. An empty seed is taken
// from the clock, as mogran-worksheets does without --seed, and shown in its field.
std::int32_t PrintClassSets(const std::string& kind, const std::string& count,
                            const std::string& sets, const std::string& seed,
                            const std::string& paperName) {
    const auto k = Read(kKindField, kind);
    const auto c = Read(kCountField, count);
    const auto s = Read(kSetsField, sets);
    const auto first = seed.empty() ? std::nullopt : Read(kSeedField, seed);
    const std::optional<Paper> paper = PaperNamed(paperName);
    if (!paper)
        FormRefuse("Paper", "用紙は A4、B5、レターから選んでください。");
    if (!k || !c || !s || (!seed.empty() && !first) || !paper)
        return 0;

    ClassWorksheets job{static_cast<std::int32_t>(*k), static_cast<std::int32_t>(*c),
                        static_cast<std::int32_t>(*s), 0};
    if (first) {
        job.firstState = static_cast<std::uint32_t>(*first);
    } else {
        RandomSource clock;
        clock.ReseedFromClock();
        job.firstState = clock.RandomState;
        FormSeed(std::to_string(job.firstState).c_str());
    }
    WebPrintDevice device;
    device.SetPaper(*paper);
    device.BeginDocument();
    try {
        PrintClassWorksheets(job, device, {});
    } catch (...) {
        device.DropDocument();
        throw;
    }
    return device.EndDocument();
}

}  // namespace

}  // namespace mogran

extern "C" {

// Gives the form the kinds' names, numbered from 1 as mogran-worksheets numbers them.
EMSCRIPTEN_KEEPALIVE void mogran_class_form() {
    int kind = 1;
    for (const char* label : mogran::kKindLabels)
        FormKindLabel(kind++, label);
}

// The form's texts as typed; the number of sheets laid out, 0 when none.
EMSCRIPTEN_KEEPALIVE int mogran_class_print(const char* kind, const char* count, const char* sets,
                                            const char* seed, const char* paper) {
    try {
        return mogran::PrintClassSets(kind, count, sets, seed, paper);
    } catch (...) {
        FormFailed(mogran::WithFullStop(mogran::CurrentFailureMessage()).c_str());
        return 0;
    }
}

}  // extern "C"
