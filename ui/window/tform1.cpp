#include "tform1.h"

#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "app_identity.h"
#include "error_box.h"
#include "hint_style.h"
#include "input_box.h"
#include "key_codes.h"
#include "picture_file.h"

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
    QIcon icon(QStringLiteral(":/mogran/icon.bmp"));
    for (const char* size : {"48", "64"}) {
        icon.addFile(QStringLiteral(":/mogran/icon-%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setToolTipDuration(kHintShownMs);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), session_(data_, *this) {
    RegisterWindowResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(ProgramIcon());
    BuildControls();
    move(kLeft, kTop);
    resize(kClientWidth, kClientHeight);
    BindEvents();
    RadioGroup1->setFocus();
    FormCreate();
}

TForm1::~TForm1() = default;

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
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const std::int32_t code = VirtualKeyCode(key->key(), key->modifiers());
            Edit2KeyDown(code);
            // Enter belongs to the drill alone; every other key goes on to the edit box.
            return code == kEnterKey;
        }
        // A held key repeats as release/press pairs; only the real release counts.
        if (event->type() == QEvent::KeyRelease &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            Edit2KeyUp();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Guard(const std::function<void()>& handler) {
    RunGuarded(*this, handler);
}

void TForm1::FormCreate() {
    Guard([this] {
        session_.FormCreate();
        SetHintColour(QColor(clAqua.r, clAqua.g, clAqua.b));
        SetHintDelays();
        SetHints();
    });
}

void TForm1::SetHints() {
    SetHint(RadioGroup1, QStringLiteral("もんだいをえらびます"));
    SetHint(CheckBox1, QStringLiteral("チェックで　なんもんやるかをきめます"));
    SetHint(Button1, QStringLiteral("れんしゅうをはじめます"));
    SetHint(Button2, QStringLiteral("おしまいにします"));
    SetHint(Button3, QStringLiteral("せいかいをおしえます"));
    SetHint(BitBtn1, QStringLiteral("もんだいをいんさつします"));
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
    return RunInputBox(this, ToQString(caption), ToQString(prompt), ToQString(defaultText))
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
