#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drill_data.h"
#include "drill_display.h"

namespace mogran {

inline constexpr std::int32_t kEnterKey = 13;

// Reads an integer from the start of an answer text; never fails (see the .cpp).
std::int32_t ReadAnswerValue(std::string_view text);

// The strict reading of the count dialog: empty unless the whole text is one number.
std::optional<std::int32_t> TryStrToIntStrict(std::string_view text);

// The failure message of the strict reading for the given text.
std::string NotAnIntegerMessage(std::string_view text);

// The handlers of the drill. They work on one run's data and reach the window only
// through the display.
class DrillSession {
public:
    DrillSession(DrillData& data, DrillDisplay& display) : data_(data), display_(display) {}

    // Start-up texts of the fields and start-up values of the data.
    void FormCreate();

    void RadioGroup1Click();
    void Button1Click();
    void ShowProblem();
    void Edit2KeyDown(std::int32_t key);
    void Edit2KeyUp();
    void Button3Click();
    void FinishSet();
    void CheckBox1Click();
    void Button2Click();

    // The steps of the start button, also used when a worksheet print ends.
    void StartFreshSet();

    DrillData& Data() { return data_; }
    DrillDisplay& Display() { return display_; }

private:
    DrillData& data_;
    DrillDisplay& display_;
};

}  // namespace mogran
