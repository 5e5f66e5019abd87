#pragma once

namespace mogran {

// Modal results of the message dialogs.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
inline constexpr int kModalYes = 6;
inline constexpr int kModalNo = 7;

// Texts of the two confirmation dialogs; the lines are separated by CR LF LF.
inline constexpr const char* kDialog1Title = "情報";
inline constexpr const char* kDialog1Text =
    "このボタンは、もんだいをいんさつするボタンです。\r\n\nもんだいすうをきめてからえらんでくださ"
    "い";
inline constexpr const char* kDialog2Title = "警告";
inline constexpr const char* kDialog2Text =
    "このボタンは　もんだいを いんさつするボタンです。\r\n\nいんさつしますか？";

// What the print action needs of the window besides the drill's display fields.
class PrintPrompts {
public:
    virtual ~PrintPrompts() = default;

    // Information dialog with one OK button: OK (also Enter and Esc) or Cancel (close box).
    virtual int ShowDialog1() = 0;
    // Warning dialog: Yes (default), No (Esc) or Cancel (close box).
    virtual int ShowDialog2() = 0;

    // Paints the window now, so that the message line is visible before pages go out.
    virtual void FlushDisplay() = 0;

    // From BeginBusy to EndBusy the window takes no user input and shows a busy cursor;
    // EndBusy throws away the input made meanwhile.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
};

}  // namespace mogran
