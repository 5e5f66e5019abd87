#pragma once

#include <cstdint>
#include <string>

namespace mogran {

// The text fields of the main window that the drill writes and reads.
enum class DisplayField { Edit1, Edit2, Edit3, Edit4, Edit5, Edit6 };

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb clBlack{0, 0, 0};
inline constexpr Rgb clNavy{0, 0, 128};
inline constexpr Rgb clGreen{0, 128, 0};
inline constexpr Rgb clRed{255, 0, 0};
inline constexpr Rgb clAqua{0, 255, 255};

// What the drill needs of the window. The window implements it; tests record it.
// Any operation may throw AppError; the handler that called it then ends there.
class DrillDisplay {
public:
    virtual ~DrillDisplay() = default;

    virtual void SetText(DisplayField field, const std::string& text) = 0;
    virtual std::string Text(DisplayField field) const = 0;
    virtual void SetEdit6Colour(Rgb colour) = 0;

    virtual void SetButton3Caption(const std::string& caption) = 0;
    virtual void SetButton3Hint(const std::string& hint) = 0;

    // Focus moves there; an edit box then has its whole text selected.
    virtual void FocusEdit2() = 0;
    virtual void FocusButton3() = 0;

    virtual bool CheckBox1Ticked() const = 0;
    virtual void SetCheckBox1Ticked(bool ticked) = 0;

    // Selected item of RadioGroup1, 0-based.
    virtual int RadioGroup1ItemIndex() const = 0;

    // Modal input box: the edited text on OK, defaultText on Cancel or close.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;

    // Loads a bitmap file from the working directory into Image1.
    virtual void ShowPicture(const std::string& fileName) = 0;
    // Stops any sound, opens the WAV file and starts it playing without waiting.
    virtual void PlaySoundFile(const std::string& fileName) = 0;

    // Closes the main window, which ends the program.
    virtual void CloseWindow() = 0;
};

}  // namespace mogran
