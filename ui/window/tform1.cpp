#include "tform1.h"

#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "app_identity.h"
#include "error_box.h"
#include "hint_style.h"
#include "key_codes.h"
#include "key_event_times.h"
#include "picture_file.h"
#include "window_texts.h"

// Resources of a static library are registered by hand, from the global namespace.
static void RegisterWindowResources() {
    Q_INIT_RESOURCE(window);
}

namespace mogran {

namespace {

constexpr int kLeft = 14;
constexpr int kTop = 13;

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* name : {"icon.bmp", "icon-48.png", "icon-64.png"}) {
        icon.addPixmap(QPixmap::fromImage(
            LoadBuiltInPicture(QStringLiteral(":/mogran/%1").arg(QLatin1String(name)))));
    }
    return icon;
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setToolTipDuration(kHintShownMs);
}

}  // namespace

TForm1::TForm1(WindowDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), session_(data_, *this) {
    RegisterWindowResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(ProgramIcon());
    move(kLeft, kTop);
    resize(kClientWidth, kClientHeight);
    // The native window is made before the controls, whose first caption waits for the font
    // database: the faces may still be being listed on another thread meanwhile.
    winId();
    BuildControls();
    SetAccessibleNames();
    BindEvents();
    RadioGroup1->setFocus();
    FormCreate();
}

TForm1::~TForm1() {
    if (keyTimes_) {
        QCoreApplication::instance()->removeNativeEventFilter(keyTimes_.get());
    }
}

void TForm1::BindEvents() {
    connect(itemGroup_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            UpdateItemTabStops();
            RadioGroup1Click();
        }
    });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    Edit2->installEventFilter(this);
    // The window is made now, so that the key events it receives can be watched.
    const WId window = winId();
    windowHandle()->installEventFilter(this);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        keyTimes_ = std::make_unique<KeyEventTimes>(window);
        QCoreApplication::instance()->installNativeEventFilter(keyTimes_.get());
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (keyEvent && watched == windowHandle()) {
        // The X server's time of the key event. The toolkit's key events carry none on X, so
        // it is taken from the X event itself; an event that carries a time keeps it.
        const auto* key = static_cast<QKeyEvent*>(event);
        windowKeyTimestamp_ = key->timestamp();
        if (windowKeyTimestamp_ == 0 && keyTimes_) {
            windowKeyTimestamp_ =
                keyTimes_->Take(event->type() == QEvent::KeyPress, key->nativeScanCode());
        }
    }
    if (event->type() == QEvent::InputMethod && watched == Edit2) {
        inputMethodSincePress_ = true;
    }
    if (keyEvent && watched == Edit2) {
        const auto* key = static_cast<QKeyEvent*>(event);
        HandleEdit2Key(*key, std::exchange(windowKeyTimestamp_, 0));
        // Enter belongs to the drill alone; every other key goes on to the edit box.
        if (event->type() == QEvent::KeyPress && DrillKeyCode(key->key()) == kEnterKey) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// X sends a held key as release/press pairs with one timestamp, and the press may not have
// arrived yet when the release is handled, so the toolkit cannot always flag the release as
// a repeat. A release with a timestamp is therefore held back until the next press: a press
// of the same key with the same timestamp makes both a repeat, anything else makes the
// release real. Releasing only re-arms Enter for the next key press, so nothing is late.
void TForm1::HandleEdit2Key(const QKeyEvent& key, quint64 timestamp) {
    if (key.type() == QEvent::KeyRelease) {
        // An input method keeps the press of the Enter that confirms its composition; the
        // release that still comes here belongs to no answer and arms nothing.
        if (inputMethodSincePress_ && DrillKeyCode(key.key()) == kEnterKey) {
            return;
        }
        if (key.isAutoRepeat()) {
            return;
        }
        if (releaseHeld_) {
            Edit2KeyUp();
        }
        releaseHeld_ = timestamp != 0;
        heldKey_ = key.key();
        heldTimestamp_ = timestamp;
        if (!releaseHeld_) {
            Edit2KeyUp();
        }
        return;
    }
    inputMethodSincePress_ = false;
    if (releaseHeld_) {
        releaseHeld_ = false;
        if (key.key() != heldKey_ || timestamp != heldTimestamp_) {
            Edit2KeyUp();
        }
    }
    Edit2KeyDown(DrillKeyCode(key.key()));
}

void TForm1::Guard(const std::function<void()>& handler) {
    RunGuarded(*this, dialogs_, handler);
}

void TForm1::FormCreate() {
    Guard([this] {
        session_.FormCreate();
        SetHintColour(QColor(clAqua.r, clAqua.g, clAqua.b));
        SetHintDelays();
        SetHints();
    });
}

// Hints, and the names a screen reader speaks for the controls that show no caption.
void TForm1::SetHints() {
    for (const ControlTexts& texts : kControlTexts) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(texts.control));
        if (widget == nullptr)
            continue;
        if (*texts.hint != '\0')
            SetHint(widget, QString::fromUtf8(texts.hint));
    }
}

void TForm1::SetAccessibleNames() {
    for (const ControlTexts& texts : kControlTexts) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(texts.control));
        if (widget != nullptr && *texts.accessibleName != '\0')
            widget->setAccessibleName(QString::fromUtf8(texts.accessibleName));
    }
}

void TForm1::RadioGroup1Click() {
    Guard([this] { session_.RadioGroup1Click(); });
}
void TForm1::Button1Click() {
    Guard([this] { session_.Button1Click(); });
}
void TForm1::Button2Click() {
    Guard([this] { session_.Button2Click(); });
}
void TForm1::Button3Click() {
    Guard([this] { session_.Button3Click(); });
}
void TForm1::CheckBox1Click() {
    Guard([this] { session_.CheckBox1Click(); });
}
void TForm1::Edit2KeyDown(std::int32_t key) {
    Guard([this, key] { session_.Edit2KeyDown(key); });
}
void TForm1::Edit2KeyUp() {
    Guard([this] { session_.Edit2KeyUp(); });
}

void TForm1::BitBtn1Click() {
    Guard([this] {
        if (bitBtn1Handler_) {
            bitBtn1Handler_();
        }
    });
}

void TForm1::SetBitBtn1Handler(std::function<void()> handler) {
    bitBtn1Handler_ = std::move(handler);
}

QLineEdit* TForm1::Field(DisplayField field) const {
    switch (field) {
        case DisplayField::Edit1:
            return Edit1;
        case DisplayField::Edit2:
            return Edit2;
        case DisplayField::Edit3:
            return Edit3;
        case DisplayField::Edit4:
            return Edit4;
        case DisplayField::Edit5:
            return Edit5;
        case DisplayField::Edit6:
            return Edit6;
    }
    return Edit6;
}

void TForm1::SetText(DisplayField field, const std::string& text) {
    Field(field)->setText(ToQString(text));
}

std::string TForm1::Text(DisplayField field) const {
    return Field(field)->text().toStdString();
}

void TForm1::SetEdit6Colour(Rgb colour) {
    QPalette palette = Edit6->palette();
    palette.setColor(QPalette::Text, QColor(colour.r, colour.g, colour.b));
    Edit6->setPalette(palette);
}

void TForm1::SetButton3Caption(const std::string& caption) {
    Button3->setText(ToQString(caption));
}

void TForm1::SetButton3Hint(const std::string& hint) {
    SetHint(Button3, ToQString(hint));
}

void TForm1::FocusEdit2() {
    Edit2->setFocus(Qt::OtherFocusReason);
    Edit2->selectAll();
}

void TForm1::FocusButton3() {
    Button3->setFocus(Qt::OtherFocusReason);
}

bool TForm1::CheckBox1Ticked() const {
    return CheckBox1->isChecked();
}

void TForm1::SetCheckBox1Ticked(bool ticked) {
    CheckBox1->setChecked(ticked);
}

int TForm1::RadioGroup1ItemIndex() const {
    return itemGroup_->checkedId();
}

std::string TForm1::InputBox(const std::string& caption, const std::string& prompt,
                             const std::string& defaultText) {
    return dialogs_.InputBox(this, ToQString(caption), ToQString(prompt), ToQString(defaultText))
        .toStdString();
}

void TForm1::ShowPicture(const std::string& fileName) {
    const QImage image = LoadPictureFile(fileName);
    if (image.isNull()) {
        Image1->setPixmap(QPixmap());
    } else {
        Image1->setPixmap(QPixmap::fromImage(image));
    }
}

void TForm1::PlaySoundFile(const std::string& fileName) {
    sound_.Play(fileName);
}

void TForm1::CloseWindow() {
    close();
}

}  // namespace mogran
