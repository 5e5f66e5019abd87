#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "app_error.h"
#include "drill_display.h"

namespace mogran {

// A display without a window: it keeps what the drill writes, answers the input box from a
// script and fails the one call it is told to fail.
class RecordingDisplay : public DrillDisplay {
public:
    void SetText(DisplayField f, const std::string& text) override {
        texts[static_cast<std::size_t>(f)] = text;
    }
    std::string Text(DisplayField f) const override { return texts[static_cast<std::size_t>(f)]; }
    void SetEdit6Colour(Rgb c) override { colour = c == clGreen ? "g" : "r"; }
    void SetButton3Caption(const std::string& c) override { caption = c; }
    void SetButton3Hint(const std::string& h) override { hint = h; }
    void FocusEdit2() override { focus = "E"; }
    void FocusButton3() override { focus = "B"; }
    bool CheckBox1Ticked() const override { return ticked; }
    void SetCheckBox1Ticked(bool value) override { ticked = value; }
    int RadioGroup1ItemIndex() const override { return 0; }
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override {
        asked.push_back(caption + "|" + prompt + "|" + defaultText);
        const std::string answer = answers.empty() ? defaultText : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void ShowPicture(const std::string& f) override {
        Record("ShowPicture " + f);
        picture = f;
    }
    void PlaySoundFile(const std::string& f) override {
        Record("PlaySoundFile " + f);
        sound = f;
    }
    void CloseWindow() override {}

    void Record(const std::string& entry) {
        if (entry == fail) {
            fail.clear();
            throw AppError("ﾌｧｲﾙ x は開けません");
        }
    }

    std::array<std::string, 6> texts;
    std::string colour = "-", caption = "せいかいをみる", hint, focus = "-", picture = "-",
                sound = "-", fail;
    bool ticked = false;
    std::deque<std::string> answers;
    std::vector<std::string> asked;
};

}  // namespace mogran
