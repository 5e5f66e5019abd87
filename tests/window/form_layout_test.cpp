// The main window as it comes up: controls, geometry, fonts, colours, hints, tab order.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "app_identity.h"
#include "tform1.h"

using mogran::TForm1;

namespace {

QWidget* Child(TForm1& form, const QString& name) {
    return form.findChild<QWidget*>(name);
}

QColor TextColour(QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

}  // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void controlGeometry_data();
    void controlGeometry();
    void editingAndFocusSettings();
    void fonts_data();
    void fonts();
    void hints();
    void hintShowsOnRest();
    void pictures();
    void tabSequence();
    void resizingScrollsInsteadOfMoving();
};

void FormLayoutTest::startUpState() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QString::fromUtf8(mogran::kWindowCaption));
    QCOMPARE(form.Edit1->text(), QStringLiteral("もんだい"));
    QCOMPARE(form.Edit2->text(), QStringLiteral("こたえ"));
    QCOMPARE(form.Edit3->text(), QString());
    QCOMPARE(form.Edit4->text(), QString());
    QCOMPARE(form.Edit5->text(), QString());
    QCOMPARE(form.Edit6->text(), QStringLiteral("もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。"));
    QCOMPARE(form.Button3->text(), QStringLiteral("せいかいをみる"));
    QVERIFY(form.findChild<QRadioButton*>("RadioGroup1Item1")->isChecked());
    QCOMPARE(form.RadioGroup1ItemIndex(), 0);
    QVERIFY(!form.CheckBox1->isChecked());
    QVERIFY(!form.MediaPlayer1->isVisible());
    QCOMPARE(form.focusWidget(), form.RadioGroup1);
    QCOMPARE(TextColour(form.Edit6, QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(TextColour(form.Edit2, QPalette::Text), QColor(0, 0, 128));
    form.SetEdit6Colour(mogran::clRed);
    QCOMPARE(TextColour(form.Edit6, QPalette::Text), QColor(255, 0, 0));

    const mogran::DrillState& state = form.Data().state;
    QCOMPARE(state.CurrentNo, 0);
    QVERIFY(mogran::IsSet(state.SetFinished));
    QVERIFY(mogran::IsSet(state.MascotShown));

    // The client area and the place on the screen.
    QCOMPARE(form.size(), QSize(509, 415));
    QCOMPARE(form.pos(), QPoint(14, 13));
}

void FormLayoutTest::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("rect");

    const QString canvas = QStringLiteral("Canvas");
    const struct {
        const char* name;
        QString parent;
        QRect rect;
    } rows[] = {
        {"RadioGroup1", canvas, {8, 0, 489, 89}},
        {"Edit1", canvas, {32, 200, 457, 56}},
        {"Edit2", canvas, {112, 280, 177, 56}},
        {"Button1", canvas, {168, 368, 81, 33}},
        {"Button2", canvas, {408, 368, 81, 33}},
        {"Edit3", canvas, {32, 152, 73, 29}},
        {"Edit4", canvas, {176, 152, 73, 29}},
        {"Edit5", canvas, {384, 152, 73, 29}},
        {"Edit6", canvas, {32, 96, 457, 41}},
        {"CheckBox1", canvas, {24, 360, 129, 17}},
        {"Button3", canvas, {280, 368, 97, 33}},
        {"Panel1", canvas, {392, 264, 97, 97}},
        {"Image1", "Panel1", {8, 8, 81, 81}},
        {"MediaPlayer1", canvas, {256, 80, 253, 30}},
        {"BitBtn1", canvas, {464, 24, 41, 41}},
        {"Label1", canvas, {40, 288, 50, 48}},
        {"Label2", canvas, {104, 160, 38, 19}},
        {"Label3", canvas, {248, 160, 38, 19}},
        {"Label4", canvas, {320, 160, 57, 19}},
        {"Label5", canvas, {456, 160, 19, 19}},
        // Items fill three columns of 159 pixels, rows of 24 from y 13.
        {"RadioGroup1Item1", "RadioGroup1", {8, 13, 159, 24}},
        {"RadioGroup1Item2", "RadioGroup1", {8, 37, 159, 24}},
        {"RadioGroup1Item3", "RadioGroup1", {8, 61, 159, 24}},
        {"RadioGroup1Item4", "RadioGroup1", {167, 13, 159, 24}},
        {"RadioGroup1Item5", "RadioGroup1", {167, 37, 159, 24}},
        {"RadioGroup1Item6", "RadioGroup1", {167, 61, 159, 24}},
        {"RadioGroup1Item7", "RadioGroup1", {326, 13, 159, 24}},
        {"RadioGroup1Item8", "RadioGroup1", {326, 37, 159, 24}},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.parent << row.rect;
    }
}

void FormLayoutTest::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, rect);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* widget = Child(form, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    QCOMPARE(widget->geometry(), rect);
}

void FormLayoutTest::editingAndFocusSettings() {
    TForm1 form;
    for (const char* name : {"Edit1", "Edit3", "Edit4", "Edit5", "Edit6"}) {
        auto* edit = form.findChild<QLineEdit*>(name);
        QVERIFY2(edit != nullptr && edit->isReadOnly(), name);
        QVERIFY2(!(edit->focusPolicy() & Qt::TabFocus), name);
    }
    QVERIFY(!form.Edit2->isReadOnly());
    // No button takes Enter for itself.
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
}

void FormLayoutTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    const QString proportional = QStringLiteral("IPAPGothic");
    const QString fixed = QStringLiteral("IPAGothic");
    QTest::newRow("window") << "Button1" << proportional << 12 << false;
    QTest::newRow("radio item") << "RadioGroup1Item1" << proportional << 12 << false;
    QTest::newRow("check box") << "CheckBox1" << proportional << 12 << false;
    QTest::newRow("equals sign") << "Label1" << proportional << 48 << true;
    QTest::newRow("label") << "Label4" << fixed << 19 << false;
    QTest::newRow("problem") << "Edit1" << fixed << 48 << false;
    QTest::newRow("answer") << "Edit2" << fixed << 48 << true;
    QTest::newRow("counter") << "Edit3" << fixed << 21 << false;
    QTest::newRow("message") << "Edit6" << fixed << 32 << false;
}

void FormLayoutTest::fonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    TForm1 form;
    QWidget* widget = Child(form, name);
    QVERIFY(widget != nullptr);
    const QFontInfo info(widget->font());
    QCOMPARE(info.family(), family);
    QCOMPARE(info.pixelSize(), pixelSize);
    QCOMPARE(info.bold(), bold);
}

void FormLayoutTest::hints() {
    TForm1 form;
    const struct {
        const char* name;
        const char* hint;
    } rows[] = {
        {"RadioGroup1", "もんだいをえらびます"},
        {"CheckBox1", "チェックで　なんもんやるかをきめます"},
        {"Button1", "れんしゅうをはじめます"},
        {"Button2", "おしまいにします"},
        {"Button3", "せいかいをおしえます"},
        {"BitBtn1", "もんだいをいんさつします"},
        {"Edit1", ""},
        {"Edit2", ""},
        {"Edit6", ""},
        {"Label1", ""},
        {"Panel1", ""},
        {"Image1", ""},
        {"Canvas", ""},
    };
    for (const auto& row : rows) {
        QWidget* widget = Child(form, row.name);
        QVERIFY2(widget != nullptr, row.name);
        QCOMPARE(widget->toolTip(), QString::fromUtf8(row.hint));
        if (*row.hint != '\0') {
            QCOMPARE(widget->toolTipDuration(), 2500);
        }
    }
    QCOMPARE(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase),
             QColor(0, 255, 255));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 200);
}

void FormLayoutTest::hintShowsOnRest() {
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // Resting on a control without a hint shows nothing.
    QTest::mouseMove(form.Edit1, QPoint(20, 20));
    QTest::qWait(600);
    QVERIFY(!QToolTip::isVisible());

    QTest::mouseMove(form.Button1, QPoint(10, 10));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("れんしゅうをはじめます"));
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible()) {
            tip = widget;
        }
    }
    QVERIFY(tip != nullptr);
    QCOMPARE(tip->palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
    QToolTip::hideText();
}

void FormLayoutTest::pictures() {
    TForm1 form;
    QCOMPARE(form.Image1->pixmap().size(), QSize(81, 81));
    QVERIFY(!form.Image1->hasScaledContents());
    QCOMPARE(form.Image1->alignment(), Qt::AlignLeft | Qt::AlignTop);

    // The glyph's bottom-left colour is transparent, wherever that colour appears.
    const QImage glyph = form.BitBtn1->icon().pixmap(QSize(33, 33)).toImage();
    QCOMPARE(glyph.size(), QSize(33, 33));
    QCOMPARE(form.BitBtn1->iconSize(), QSize(33, 33));
    QCOMPARE(glyph.pixelColor(0, 32).alpha(), 0);
    QImage source(QStringLiteral(":/mogran/bitbtn1.bmp"));
    source = source.convertToFormat(QImage::Format_RGB32);
    const QRgb key = source.pixel(0, 32);
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
            const bool transparent = glyph.pixelColor(x, y).alpha() == 0;
            QCOMPARE(transparent, source.pixel(x, y) == key);
        }
    }
    QVERIFY(!form.windowIcon().isNull());
}

void FormLayoutTest::tabSequence() {
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.RadioGroup1);

    const QStringList expected = {"RadioGroup1Item1", "Edit2",   "Button1", "Button2",
                                  "CheckBox1",        "Button3", "BitBtn1", "RadioGroup1"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    // Backwards from the group wraps to the last stop.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BitBtn1"));

    // Only the selected item of the group is a stop.
    form.findChild<QRadioButton*>("RadioGroup1Item6")->setChecked(true);
    form.RadioGroup1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("RadioGroup1Item6"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Edit2);
    // Coming in by Tab selects the whole answer.
    QCOMPARE(form.Edit2->selectedText(), QStringLiteral("こたえ"));
}

void FormLayoutTest::resizingScrollsInsteadOfMoving() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* area = form.findChild<QScrollArea*>();
    QVERIFY(area != nullptr);
    const QRect edit1 = form.Edit1->geometry();

    form.resize(300, 200);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    QVERIFY(area->verticalScrollBar()->isVisible());
    QCOMPARE(form.Edit1->geometry(), edit1);

    form.resize(800, 600);
    QTRY_VERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QCOMPARE(form.Edit1->geometry(), edit1);
    QCOMPARE(Child(form, "Canvas")->geometry(), QRect(0, 0, 509, 415));
}

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
