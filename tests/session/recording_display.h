#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "drill_display.h"

namespace mogran {

// A display without a window: it keeps what the drill writes, logs every call that
// changes something, answers input boxes from a script and can be told to fail a call.
class RecordingDisplay : public DrillDisplay {
public:
    enum class Focus { None, Edit2, Button3 };

    struct InputBoxCall {
        std::string caption;
        std::string prompt;
        std::string defaultText;
    };

    void SetText(DisplayField field, const std::string& text) override;
    std::string Text(DisplayField field) const override;
    void SetEdit6Colour(Rgb colour) override;
    void SetButton3Caption(const std::string& caption) override;
    void SetButton3Hint(const std::string& hint) override;
    void FocusEdit2() override;
    void FocusButton3() override;
    bool CheckBox1Ticked() const override { return ticked; }
    void SetCheckBox1Ticked(bool value) override;
    int RadioGroup1ItemIndex() const override { return radioIndex; }
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    void ShowPicture(const std::string& fileName) override;
    void PlaySoundFile(const std::string& fileName) override;
    void CloseWindow() override;

    // The occurrence-th call from now on (counted from 1) whose log entry reads `entry`,
    // such as "ShowPicture maru1.bmp", throws AppError(message) instead of taking effect.
    void FailAt(const std::string& entry, int occurrence = 1,
                const std::string& message = "ﾌｧｲﾙ x は開けません");

    // How many times a call with this log entry took effect.
    int Count(const std::string& entry) const;

    // The scripted answers of the input box, in order: a text for OK, nullopt for Cancel.
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<InputBoxCall> inputBoxCalls;

    std::array<std::string, 6> texts;
    Rgb edit6Colour = clBlack;
    std::string button3Caption = "せいかいをみる";
    std::string button3Hint = "せいかいをおしえます";
    Focus focus = Focus::None;
    bool ticked = false;
    int radioIndex = 0;
    std::string picture;  // the last picture shown
    std::string sound;    // the last sound started
    bool closed = false;

    std::vector<std::string> log;  // calls that took effect, in order

private:
    // Counts the attempt, throws if it was told to, and logs it otherwise.
    void Record(const std::string& entry);

    struct Failure {
        std::string entry;
        int occurrence;
        std::string message;
    };
    std::vector<Failure> failures_;
    std::map<std::string, int> attempts_;
};

const char* FieldName(DisplayField field);

}  // namespace mogran
