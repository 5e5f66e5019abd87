// The main window on the offscreen platform: keys as X sends them, Enter on buttons, the
// failure guard, the input box and the names a screen reader speaks.
#include <functional>
#include <new>
#include <stdexcept>
#include <tuple>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "app_error.h"
#include "input_box.h"
#include "startup.h"
#include "tform1.h"

namespace mogran {

// Keeps what the error boxes would show; an input box keeps its default text.
class RecordingDialogs : public WindowDialogs {
public:
    void ShowErrorBox(QWidget*, const QString& caption, const QString& text) override {
        boxes << caption + '|' + text;
    }
    QString InputBox(QWidget*, const QString&, const QString&, const QString& d) override {
        return d;
    }
    QStringList boxes;
};

class WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

    // A key event as the X server's events come in: to the window, with the server's time.
    static void Key(TForm1& form, QEvent::Type type, int key, quint64 timestamp) {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Return ? "\r" : "5");
        event.setTimestamp(timestamp);
        QApplication::sendEvent(form.windowHandle(), &event);
    }
    static void TypeAnswer(TForm1& form) {
        const DrillState& s = form.Data().state;
        QTest::keyClicks(form.Edit2, QString::number(form.Data().problemSet[s.CurrentNo].Answer));
    }

private slots:
    void initTestCase() {
        for (const char* name : {"mascot.bmp", "maru1.bmp", "batu1.bmp", "maru1.wav", "batu1.wav"})
            QVERIFY(QFile::copy(QDir(MOGRAN_MEDIA_DIR).filePath(name), dir_.filePath(name)));
        QVERIFY(QDir::setCurrent(dir_.path()));
    }

    // X sends a held key as release + press pairs with one timestamp, all flagged real.
    void heldEnterIsJudgedOnce() {
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Button1->click();
        TypeAnswer(form);
        Key(form, QEvent::KeyPress, Qt::Key_Return, 100);
        for (quint64 t = 130; t < 400; t += 30) {
            Key(form, QEvent::KeyRelease, Qt::Key_Return, t);
            Key(form, QEvent::KeyPress, Qt::Key_Return, t);
        }
        Key(form, QEvent::KeyRelease, Qt::Key_Return, 420);
        QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
        QCOMPARE(form.Edit5->text(), QStringLiteral("100"));
        QCOMPARE(form.Edit6->text(), QStringLiteral("こたえをいれてリターン。"));
        // A real release of Enter, or of any other key even in the same millisecond, arms Enter.
        const DrillState& s = form.Data().state;
        form.Edit2->setText(QString::number(form.Data().problemSet[s.CurrentNo].Answer));
        Key(form, QEvent::KeyPress, Qt::Key_Return, 500);
        QCOMPARE(form.Edit4->text(), QStringLiteral("3"));
        form.Edit2->setText(QStringLiteral("-1"));
        Key(form, QEvent::KeyPress, Qt::Key_5, 600);
        Key(form, QEvent::KeyRelease, Qt::Key_5, 700);
        Key(form, QEvent::KeyPress, Qt::Key_Return, 700);
        QCOMPARE(form.Edit6->text(), QStringLiteral("ぶ～　まちがえたよ"));
    }

    void enterClicksTheFocusedButtonOnly() {
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Button1->click();
        form.Button3->click();
        QCOMPARE(QApplication::focusWidget(), form.Button3);
        QTest::keyClick(form.Button3, Qt::Key_Return);
        QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), form.Edit2);
        form.Edit2->setText(QStringLiteral("-1"));
        QList<QSignalSpy*> spies;
        for (QPushButton* button : form.findChildren<QPushButton*>())
            spies << new QSignalSpy(button, &QPushButton::clicked);
        QTest::keyClick(form.Edit2, Qt::Key_Return);
        QTest::keyClick(form.Edit2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.Edit6->text(), QStringLiteral("ぶ～　まちがえたよ"));
        for (QSignalSpy* spy : spies)
            QCOMPARE(spy->count(), 0);
        qDeleteAll(spies);
    }

    void guardShowsTheFailure() {
        const auto fail = [](const char* message) { return [=] { throw AppError(message); }; };
        // clang-format off
        const std::pair<std::function<void()>, QString> cases[] = {
            {fail("ﾌｧｲﾙ x は開けません"), "ﾌｧｲﾙ x は開けません."}, {fail("おわり。"), "おわり。."},
            {fail("done."), "done."}, {fail("x!"), "x!"}, {fail("x-"), "x-"}, {fail("x/"), "x/."},
            {fail("x𠀋"), "x𠀋."}, {fail(""), ""}, {[] { throw std::bad_alloc(); }, "ﾒﾓﾘが不足しています."},
            {[] { throw std::runtime_error("std::bad_cast"); }, "原因不明のｴﾗｰ."},
            {[] { throw 3; }, "原因不明のｴﾗｰ."},
        };
        // clang-format on
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        for (const auto& [handler, shown] : cases) {
            dialogs.boxes.clear();
            form.Button1->grabMouse();  // the button pressed by the mouse springs back
            form.Button1->setDown(true);
            form.Guard(handler);
            QCOMPARE(dialogs.boxes, QStringList("モグラン（３数の計算）|" + shown));
            QVERIFY(!form.Button1->isDown() && !QWidget::mouseGrabber());
        }
    }

    void inputBoxAnswers() {
        // Typed text, how the box is closed (Enter, Esc, OK, Cancel) and its answer.
        // clang-format off
        const std::tuple<QString, int, QString> cases[] = {
            {"7", Qt::Key_Return, "7"}, {"", 'O', "10"}, {"7", Qt::Key_Escape, "10"},
            {"7", 'C', "10"}, {QString(300, 'x'), 'O', QString(255, 'x')}};
        // clang-format on
        for (const auto& [typed, close, answer] : cases) {
            InputBoxDialog box(nullptr, "問題数を決めます", "何問やりますか？", "10");
            box.show();
            QTest::keyClicks(box.Field(), typed);
            if (close == 'O' || close == 'C')
                (close == 'O' ? box.OkButton() : box.CancelButton())->click();
            else
                QTest::keyClick(box.Field(), Qt::Key(close));
            QVERIFY(!box.isVisible());
            QCOMPARE(box.Answer(), answer);
        }
    }

    // Faces as installed, character heights, bold and hints of the window and its controls.
    void fontsHintsAndNamesAsDesigned() {
        SetUpApplication();
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        const QString p = "IPAPGothic", f = "IPAGothic";
        // clang-format off
        const std::tuple<QString, QString, int, bool, QString> design[] = {
            {"Form1", p, 12, false, ""}, {"RadioGroup1", p, 12, false, "もんだいをえらびます"},
            {"CheckBox1", p, 12, false, "チェックで　なんもんやるかをきめます"},
            {"Button1", p, 12, false, "れんしゅうをはじめます"},
            {"Button2", p, 12, false, "おしまいにします"}, {"Button3", p, 12, false, "せいかいをおしえます"},
            {"BitBtn1", p, 12, false, "もんだいをいんさつします"}, {"Label1", p, 48, true, ""},
            {"Label2", f, 19, false, ""}, {"Label5", f, 19, false, ""}, {"Edit1", f, 48, false, ""},
            {"Edit2", f, 48, true, ""}, {"Edit3", f, 21, false, ""}, {"Edit5", f, 21, false, ""},
            {"Edit6", f, 32, false, ""}, {"Panel1", p, 12, false, ""}};
        // clang-format on
        for (const auto& [name, face, height, bold, hint] : design) {
            auto* w = name == "Form1" ? &form : form.findChild<QWidget*>(name);
            const QFontInfo shown(w->font());
            QCOMPARE(
                std::tuple(name, shown.family(), shown.pixelSize(), shown.bold(), w->toolTip()),
                std::tuple(name, face, height, bold, hint));
            QCOMPARE(w->toolTipDuration(), hint.isEmpty() ? -1 : 2500);
        }
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 200);
        QCOMPARE(form.windowTitle(), "モグラン（３つの整数の四則） Ver2.01 R2");
        QCOMPARE(QStringList({QApplication::applicationName(), QApplication::applicationVersion(),
                              QGuiApplication::desktopFileName()}),
                 QStringList({"mogran", "2.01.2", "jp.mogran.Mogran"}));
    }

    // The names themselves are read back by the end-to-end test.
    void everyControlHasAnAccessibleName() {
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        QWidget* canvas = form.Edit1->parentWidget();
        for (QWidget* w : canvas->findChildren<QWidget*>()) {
            if (!w->isHidden())
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                    qPrintable(w->objectName()));
        }
        QCOMPARE(
            QAccessible::queryAccessibleInterface(form.BitBtn1)->text(QAccessible::Description),
            QStringLiteral("もんだいをいんさつします"));
    }
};

}  // namespace mogran

QTEST_MAIN(mogran::WindowTest)
#include "window_test.moc"
