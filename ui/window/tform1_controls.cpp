// Building the controls of the main window: kinds, names, geometry, captions, fonts,
// colours and tab order.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "answer_box.h"
#include "picture_file.h"
#include "tform1.h"
#include "window_fonts.h"
#include "window_texts.h"

namespace mogran {

namespace {

// Radio group layout: items fill columns top to bottom.
constexpr int kItemColumns = 3;
constexpr int kItemRows = (TForm1::kItemCount + kItemColumns - 1) / kItemColumns;
constexpr int kItemColumnWidth = 159;
constexpr int kItemRowHeight = 24;
constexpr int kItemLeft = 8;
constexpr int kItemTop = 13;

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

template <typename W>
W* Make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

template <typename E = QLineEdit>
E* MakeEdit(QWidget* parent, const char* name, int left, int top, int width, int height,
            const QFont& font, Rgb colour, bool readOnly) {
    auto* edit = Make<E>(parent, name, left, top, width, height);
    edit->setFont(font);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColour(edit, QPalette::Text, colour);
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    return edit;
}

QString Caption(const char* name) {
    return QString::fromUtf8(TextsOf(name).caption);
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                  const QFont& font) {
    auto* label = Make<QLabel>(parent, name, left, top, width, height);
    label->setText(Caption(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColour(label, QPalette::WindowText, clBlack);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left, int top, int width,
                        int height) {
    auto* button = Make<QPushButton>(parent, name, left, top, width, height);
    button->setText(Caption(name));
    // Enter on a focused button clicks it, as the space bar does. The window is no dialog,
    // so no button is ever clicked by an Enter meant for another control.
    button->setAutoDefault(true);
    return button;
}

// The glyph with the colour of its bottom-left pixel made transparent.
QPixmap TransparentGlyph(const QString& path) {
    QImage image = LoadBuiltInPicture(path);
    if (image.isNull()) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

void TForm1::BuildControls() {
    InstallFontSubstitutions();
    setFont(WindowFont());

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("ScrollArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    scrollArea_->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scrollArea_);

    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("Canvas"));
    canvas_->setFixedSize(kClientWidth, kClientHeight);
    canvas_->setBackgroundRole(QPalette::Window);
    canvas_->setAutoFillBackground(true);
    scrollArea_->setWidget(canvas_);

    const QFont labelFont = MakeFont(kFixedGothic, 19);
    BuildRadioGroup(canvas_);

    Edit1 = MakeEdit(canvas_, "Edit1", 32, 200, 457, 56, MakeFont(kFixedGothic, 48), clNavy, true);
    Edit2 = MakeEdit<AnswerBox>(canvas_, "Edit2", 112, 280, 177, 56,
                                MakeFont(kFixedGothic, 48, true), clNavy, false);
    Button1 = MakeButton(canvas_, "Button1", 168, 368, 81, 33);
    Button2 = MakeButton(canvas_, "Button2", 408, 368, 81, 33);
    const QFont counterFont = MakeFont(kFixedGothic, 21);
    Edit3 = MakeEdit(canvas_, "Edit3", 32, 152, 73, 29, counterFont, clBlack, true);
    Edit4 = MakeEdit(canvas_, "Edit4", 176, 152, 73, 29, counterFont, clBlack, true);
    Edit5 = MakeEdit(canvas_, "Edit5", 384, 152, 73, 29, counterFont, clBlack, true);
    Edit6 = MakeEdit(canvas_, "Edit6", 32, 96, 457, 41, MakeFont(kFixedGothic, 32), clGreen, true);

    CheckBox1 = Make<QCheckBox>(canvas_, "CheckBox1", 24, 360, 129, 17);
    CheckBox1->setText(Caption("CheckBox1"));
    CheckBox1->setChecked(false);

    Label1 = MakeLabel(canvas_, "Label1", 40, 288, 50, 48, MakeFont(kProportionalGothic, 48, true));
    Button3 = MakeButton(canvas_, "Button3", 280, 368, 97, 33);
    Label2 = MakeLabel(canvas_, "Label2", 104, 160, 38, 19, labelFont);
    Label3 = MakeLabel(canvas_, "Label3", 248, 160, 38, 19, labelFont);
    Label4 = MakeLabel(canvas_, "Label4", 320, 160, 57, 19, labelFont);
    Label5 = MakeLabel(canvas_, "Label5", 456, 160, 19, 19, labelFont);

    BuildPictures(canvas_);
    SetTabOrder();
}

void TForm1::BuildRadioGroup(QWidget* canvas) {
    RadioGroup1 = Make<QGroupBox>(canvas, "RadioGroup1", 8, 0, 489, 89);
    RadioGroup1->setTitle(Caption("RadioGroup1"));
    // The group itself is a tab stop ahead of its selected item.
    RadioGroup1->setFocusPolicy(Qt::TabFocus);

    itemGroup_ = new QButtonGroup(this);
    itemGroup_->setExclusive(true);
    for (int i = 0; i < kItemCount; ++i) {
        const int column = i / kItemRows;
        const int row = i % kItemRows;
        const QByteArray name = "RadioGroup1Item" + QByteArray::number(i + 1);
        auto* item =
            Make<QRadioButton>(RadioGroup1, name.constData(), column * kItemColumnWidth + kItemLeft,
                               kItemTop + row * kItemRowHeight, kItemColumnWidth, kItemRowHeight);
        item->setText(QString::fromUtf8(kKindLabels[i]));
        itemGroup_->addButton(item, i);
        items_[static_cast<std::size_t>(i)] = item;
    }
    items_[0]->setChecked(true);
    UpdateItemTabStops();
}

void TForm1::UpdateItemTabStops() {
    // Only the selected item is a tab stop; the others still take the focus by click.
    for (QRadioButton* item : items_) {
        item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void TForm1::BuildPictures(QWidget* canvas) {
    Panel1 = Make<QLabel>(canvas, "Panel1", 392, 264, 97, 97);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setText(Caption("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setBackgroundRole(QPalette::Button);
    Panel1->setAutoFillBackground(true);

    Image1 = Make<QLabel>(Panel1, "Image1", 8, 8, 81, 81);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setScaledContents(false);
    Image1->setAutoFillBackground(false);
    Image1->setPixmap(
        QPixmap::fromImage(LoadBuiltInPicture(QStringLiteral(":/mogran/image1.bmp"))));

    MediaPlayer1 = Make<QWidget>(canvas, "MediaPlayer1", 256, 80, 253, 30);
    MediaPlayer1->setFocusPolicy(Qt::NoFocus);
    MediaPlayer1->setVisible(false);

    BitBtn1 = MakeButton(canvas, "BitBtn1", 464, 24, 41, 41);
    const QPixmap glyph = TransparentGlyph(QStringLiteral(":/mogran/bitbtn1.bmp"));
    BitBtn1->setIcon(QIcon(glyph));
    BitBtn1->setIconSize(glyph.size());
    BitBtn1->raise();
}

void TForm1::SetTabOrder() {
    QWidget* chain[] = {RadioGroup1, items_[0], items_[1], items_[2], items_[3],
                        items_[4],   items_[5], items_[6], items_[7], Edit1,
                        Edit2,       Button1,   Button2,   Edit3,     Edit4,
                        Edit5,       Edit6,     CheckBox1, Button3,   BitBtn1};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace mogran
