#pragma once

#include <string>

#include "drill_display.h"

namespace mogran {

// The page as the drill's display: every operation is one call to the page's front object,
// which holds the controls. The dialogs and the media files suspend the call until the page
// has answered.
class WebDisplay : public DrillDisplay {
public:
    void SetText(DisplayField field, const std::string& text) override;
    std::string Text(DisplayField field) const override;
    void SetEdit6Colour(Rgb colour) override;
    void SetButton3Caption(const std::string& caption) override;
    void SetButton3Hint(const std::string& hint) override;
    void FocusEdit2() override;
    void FocusButton3() override;
    bool CheckBox1Ticked() const override;
    void SetCheckBox1Ticked(bool ticked) override;
    int RadioGroup1ItemIndex() const override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    void ShowPicture(const std::string& fileName) override;
    void PlaySoundFile(const std::string& fileName) override;
    void CloseWindow() override;

    // The window's own texts, captions and hints, put on the page's controls.
    void ShowWindowTexts();
    // The error box with the application title as caption; returns when it is closed.
    void ErrorBox(const std::string& text);
};

}  // namespace mogran
