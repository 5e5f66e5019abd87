#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QMainWindow>

#include "drill_data.h"
#include "drill_display.h"
#include "drill_session.h"
#include "sound_player.h"
#include "window_dialogs.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace mogran {

class KeyEventTimes;

// The one window of the program. It owns the drill's data and session and is the display
// the session writes to; every event goes through one failure guard to the session.
class TForm1 : public QMainWindow, public DrillDisplay {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 509;
    static constexpr int kClientHeight = 415;
    static constexpr int kItemCount = 8;

    // The dialogs are those the window opens: the error box and the count's input box.
    explicit TForm1(WindowDialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // DrillDisplay
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

    DrillData& Data() { return data_; }
    DrillSession& Session() { return session_; }

    // The worksheet print action behind BitBtn1; until one is set the button does nothing.
    void SetBitBtn1Handler(std::function<void()> handler);

    // Runs a handler through the window's failure path (error box, nothing escapes).
    void Guard(const std::function<void()>& handler);

    // The event handlers, each guarded.
    void FormCreate();
    void RadioGroup1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void CheckBox1Click();
    void Edit2KeyDown(std::int32_t key);
    void Edit2KeyUp();
    void BitBtn1Click();

    // The controls, named as the user-interface design names them.
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* MediaPlayer1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildRadioGroup(QWidget* canvas);
    void BuildPictures(QWidget* canvas);
    void UpdateItemTabStops();
    void SetTabOrder();
    void BindEvents();
    void SetHints();
    void SetAccessibleNames();
    void HandleEdit2Key(const QKeyEvent& key, quint64 timestamp);
    QLineEdit* Field(DisplayField field) const;

    WindowDialogs& dialogs_;
    DrillData data_;
    DrillSession session_;
    SoundPlayer sound_;
    std::function<void()> bitBtn1Handler_;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* canvas_ = nullptr;
    std::array<QRadioButton*, kItemCount> items_{};
    QButtonGroup* itemGroup_ = nullptr;
    // A release in the answer box waiting for the next press to show whether it was real.
    bool releaseHeld_ = false;
    int heldKey_ = 0;
    quint64 heldTimestamp_ = 0;
    quint64 windowKeyTimestamp_ = 0;
    // An input method has sent the answer box an event since its last key press.
    bool inputMethodSincePress_ = false;
    std::unique_ptr<KeyEventTimes> keyTimes_;  // on X only
};

}  // namespace mogran
