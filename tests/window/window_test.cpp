// The main window on the offscreen platform: keys as X sends them, Enter on buttons, the
// failure guard, the input box, the print module loaded at the first print and every control
// as designed.
#include <functional>
#include <new>
#include <stdexcept>
#include <tuple>
#include <xcb/xcb.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "app_error.h"
#include "input_box.h"
#include "install_worksheet_printing.h"
#include "key_event_times.h"
#include "picture_file.h"
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
        QTest::keyRelease(form.Edit2, Qt::Key_5);  // and the keypad's Enter judges as well
        form.Edit2->setText(QString::number(form.Data().problemSet[s.CurrentNo].Answer));
        QTest::keyClick(form.Edit2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.Edit6->text(), QStringLiteral("せいかいです！"));
    }

    // Full-width digits, pasted or committed by an input method, enter the answer box as the
    // digits the drill reads; the input method is not asked to compose there at all.
    void fullWidthDigitsEnterAsDigits() {
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.findChild<QAbstractButton*>("RadioGroup1Item8")->click();  // the kind picked counts
        form.Button1->click();
        QCOMPARE(form.Data().state.Kind, kWithParentheses);
        QInputMethodQueryEvent query(Qt::ImEnabled);  // as an input method asks it
        QApplication::sendEvent(QGuiApplication::focusObject(), &query);
        QCOMPARE(query.value(Qt::ImEnabled), false);
        QString answer, wide;
        const auto nextAnswer = [&] {
            const DrillState& s = form.Data().state;
            answer = wide = QString::number(form.Data().problemSet[s.CurrentNo].Answer);
            for (QChar& c : wide)
                c = QChar(c.unicode() - u'0' + 0xFF10);
        };
        QGuiApplication::clipboard()->setText(QStringLiteral("／０１２３４５６７８９："));
        QTest::keyClick(form.Edit2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form.Edit2->text(), QStringLiteral("／0123456789："));
        form.Edit2->clear();
        nextAnswer();
        QGuiApplication::clipboard()->setText(wide);
        QTest::keyClick(form.Edit2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form.Edit2->text(), answer);
        QTest::keyPress(form.Edit2, Qt::Key_Return);
        QCOMPARE(form.Edit6->text(), QStringLiteral("せいかいです！"));
        QCOMPARE(form.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 LoadPictureFile("maru1.bmp").convertToFormat(QImage::Format_RGB32));
        // Composed, then confirmed by an Enter whose press the input method keeps.
        nextAnswer();
        QInputMethodEvent preedit(wide, {}), commit;
        commit.setCommitString(wide);
        QApplication::sendEvent(form.Edit2, &preedit);
        QApplication::sendEvent(form.Edit2, &commit);
        QTest::keyRelease(form.Edit2, Qt::Key_Return);
        QCOMPARE(form.Edit2->text(), answer);
        QTest::keyPress(form.Edit2, Qt::Key_Return);  // not armed by the confirming Enter
        QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
        QTest::keyRelease(form.Edit2, Qt::Key_Return);
        QTest::keyPress(form.Edit2, Qt::Key_Return);
        QCOMPARE(form.Edit6->text(), QStringLiteral("せいかいです！"));
        QCOMPARE(form.Edit5->text(), QStringLiteral("100"));
        // Back from the count box, the answer box has its whole text selected, to be typed over.
        form.Edit2->setText("7");
        form.CheckBox1->click();
        QCOMPARE(form.Edit2->selectedText(), QStringLiteral("7"));
        form.Button3->click();  // the answer shown, Button3 goes on and its hint says so
        QCOMPARE(form.Button3->text() + form.Button3->toolTip(), "つぎのもんだいつぎのもんだいにすすみます");
    }

    // The X server's times of key events to the window, oldest first; others are not kept.
    void keyEventTimesFromTheXServer() {
        KeyEventTimes times(7);
        const auto send = [&](int type, quint32 window, int scanCode, quint32 time) {
            xcb_key_press_event_t key{};
            key.response_type = type, key.event = window, key.detail = scanCode, key.time = time;
            times.nativeEventFilter("xcb_generic_event_t", &key, nullptr);
        };
        for (int i = 0; i < 64; ++i)  // with the two below, the first two are no longer kept
            send(XCB_KEY_PRESS, 7, i, 1000 + i);
        send(XCB_KEY_RELEASE, 7, 36, 130), send(XCB_KEY_PRESS, 8, 36, 140);
        send(XCB_KEY_PRESS, 7, 36, 150), send(XCB_MOTION_NOTIFY, 7, 36, 160);
        const std::pair<bool, int> takes[] = {{true, 1},  {true, 2},  {true, 3}, {false, 36},
                                              {true, 36}, {true, 36}, {true, 50}};
        QList<quint64> taken;
        for (const auto& [press, scanCode] : takes)
            taken << times.Take(press, scanCode);
        QCOMPARE(taken, QList<quint64>({0, 1002, 1003, 130, 150, 0, 0}));
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

    // The print module, loaded at the print button's first click: a module that cannot be
    // loaded, one without the entry, and a failure inside the real one, each in the error box.
    void printModuleLoadedAtTheFirstClick() {
        const QString module = MOGRAN_PRINT_MODULE_FILE, missing = module + ".x";
        const std::pair<QString, QString> cases[] = {
            {missing, missing + ": cannot open shared object file: No such file or directory."},
            {MOGRAN_NOT_A_PRINT_MODULE,
             MOGRAN_NOT_A_PRINT_MODULE ": undefined symbol: MogranWorksheetPrintHandler."},
            {module, "ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません."}};  // after the second box's Yes
        for (const auto& [path, shown] : cases) {
            RecordingDialogs dialogs;
            TForm1 form(dialogs);
            form.SetCheckBox1Ticked(true);
            InstallWorksheetPrinting(form, path);
            if (path == module)
                QTimer::singleShot(
                    0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
            form.BitBtn1->click();
            QCOMPARE(dialogs.boxes, QStringList("モグラン（３数の計算）|" + shown));
        }
    }

    // The error box on the screen, through the guard: title, stop icon, text as it stands, OK.
    void errorBoxAsShown() {
        QtWindowDialogs dialogs;
        TForm1 form(dialogs);
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            seen = box->windowTitle() + ' ' + QString::number(box->icon()) + ' ' +
                   QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) + ' ' +
                   box->buttons().value(0)->text() + QString::number(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        form.Guard([] { throw AppError("ﾌｧｲﾙ <b>x</b>\nは開けません"); });
        QCOMPARE(seen, "モグラン（３数の計算） 3 ﾌｧｲﾙ <b>x</b>\nは開けません. OK1");
    }

    // The count box through the window's dialogs shows its caption and prompt and stands in
    // the middle of the screen, wherever the window stands.
    void inputBoxCentred() {
        QtWindowDialogs dialogs;
        QWidget window;
        window.setGeometry(0, 0, 200, 100);
        window.show();
        QPoint off;
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            off = box->geometry().center() - box->screen()->availableGeometry().center();
            const auto* prompt = box->findChild<QLabel*>("Prompt");
            shown = box->objectName() + "|" + box->windowTitle() + "|" +
                    (prompt ? prompt->text() : "no prompt");
            QTest::keyClick(box->findChild<QLineEdit*>("Field"), Qt::Key_Return);
        });
        QCOMPARE(dialogs.InputBox(&window, "問題数を決めます", "何問やりますか？", "10"), "10");
        QCOMPARE(shown, "InputBox|問題数を決めます|何問やりますか？");
        QVERIFY2(off.manhattanLength() <= 4, qPrintable(QString("off by %1").arg(off.x())));
    }

    // Qt's own texts (here a standard button of the print dialog) follow the system's
    // language; ctest runs this once more under a Japanese locale.
    void qtTextsInTheSystemLanguage() {
        SetUpApplication();
        const bool japanese = QLocale::system().language() == QLocale::Japanese;
        const QDialogButtonBox row(QDialogButtonBox::Cancel);
        QCOMPARE(row.buttons().value(0)->text(), japanese ? "キャンセル" : "Cancel");
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
            QCOMPARE(box.OkButton()->text() + box.CancelButton()->text(), "OKｷｬﾝｾﾙ");
        }
    }

    // Every control as designed: place and size, installed face, character height, bold, the
    // name a screen reader speaks (the end-to-end test reads the window by these) and hint;
    // then the tab cycle, the hint colour and delay, the window's icon sizes and the application's
    // names; the labels keep their black on a desktop of light text on dark.
    void controlsAsDesigned() {
        SetUpApplication();
        QPalette dark;  // a desktop with light text on dark: the window keeps its own colours
        dark.setColor(QPalette::WindowText, Qt::white);
        QApplication::setPalette(dark);
        RecordingDialogs dialogs;
        TForm1 form(dialogs);
        const QString p = "IPAPGothic", f = "IPAGothic";
        const QFontInfo dialogFace(QApplication::font());  // dialogs and hints: the window's face
        QCOMPARE(std::pair(dialogFace.family(), dialogFace.pixelSize()), std::pair(p, 12));
        // clang-format off
        const std::tuple<QString, QRect, QString, int, int, QString, QString> design[] = {
            {"Form1", {14, 13, 509, 415}, p, 12, 0, "モグラン（３つの整数の四則） Ver2.01 R2", ""},
            {"RadioGroup1", {8, 0, 489, 89}, p, 12, 0, "問題選択", "もんだいをえらびます"},
            {"RadioGroup1Item1", {8, 13, 159, 24}, p, 12, 0, "たしざんだけ(１けた)", ""},
            {"RadioGroup1Item8", {326, 37, 159, 24}, p, 12, 0, "かっこつき", ""},
            {"Edit1", {32, 200, 457, 56}, f, 48, 0, "もんだい", ""},
            {"Edit2", {112, 280, 177, 56}, f, 48, 1, "こたえ", ""},
            {"Button1", {168, 368, 81, 33}, p, 12, 0, "スタート", "れんしゅうをはじめます"},
            {"Button2", {408, 368, 81, 33}, p, 12, 0, "おしまい", "おしまいにします"},
            {"Edit3", {32, 152, 73, 29}, f, 21, 0, "もんだいすう", ""},
            {"Edit4", {176, 152, 73, 29}, f, 21, 0, "なんもんめ", ""},
            {"Edit5", {384, 152, 73, 29}, f, 21, 0, "せいかいりつ", ""},
            {"Edit6", {32, 96, 457, 41}, f, 32, 0, "メッセージ", ""},
            {"CheckBox1", {24, 360, 129, 17}, p, 12, 0, "もんだいすう　してい", "チェックで　なんもんやるかをきめます"},
            {"Button3", {280, 368, 97, 33}, p, 12, 0, "せいかいをみる", "せいかいをおしえます"},
            {"Panel1", {392, 264, 97, 97}, p, 12, 0, "えのわく", ""},
            {"Image1", {8, 8, 81, 81}, p, 12, 0, "こたえあわせのえ", ""},
            {"MediaPlayer1", {256, 80, 253, 30}, p, 12, 0, "", ""},
            {"BitBtn1", {464, 24, 41, 41}, p, 12, 0, "いんさつ", "もんだいをいんさつします"},
            {"Label1", {40, 288, 50, 48}, p, 48, 1, "＝", ""},
            {"Label2", {104, 160, 38, 19}, f, 19, 0, "問中", ""},
            {"Label3", {248, 160, 38, 19}, f, 19, 0, "問目", ""},
            {"Label4", {320, 160, 57, 19}, f, 19, 0, "正解率", ""},
            {"Label5", {456, 160, 19, 19}, f, 19, 0, "％", ""}};
        // clang-format on
        for (const auto& [name, place, face, height, bold, spoken, hint] : design) {
            auto* w = name == "Form1" ? &form : form.findChild<QWidget*>(name);
            const QFontInfo shown(w->font());
            QCOMPARE(std::tuple(name, w->geometry(), shown.family(), shown.pixelSize(),
                                int(shown.bold()),
                                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name),
                                w->toolTip()),
                     std::tuple(name, place, face, height, bold, spoken, hint));
            QCOMPARE(w->toolTipDuration(), hint.isEmpty() ? -1 : 2500);
            if (name.startsWith("Label"))
                QCOMPARE(w->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
        QStringList kinds;
        for (int n = 1; n <= 8; ++n)
            kinds << form.findChild<QAbstractButton*>(QString("RadioGroup1Item%1").arg(n))->text();
        QCOMPARE(kinds.join(' '),
                 "たしざんだけ(１けた) ひきざんだけ(10まで) ひきざんだけ(20まで) "
                 "たしざん・ひきざん かけざん入り わりざん入り かけざん・わりざん かっこつき");
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QStringList cycle;
        for (int i = 0; i < 9; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            cycle << QApplication::focusWidget()->objectName();
        QCOMPARE(cycle.join(' '),
                 "RadioGroup1 RadioGroup1Item1 Edit2 Button1 Button2 CheckBox1 "
                 "Button3 BitBtn1 RadioGroup1");
        const QImage glyph = form.BitBtn1->icon().pixmap(form.BitBtn1->iconSize()).toImage();
        QCOMPARE(std::tuple(glyph.size(), qAlpha(glyph.pixel(0, 32)), form.Image1->pixmap().size()),
                 std::tuple(QSize(33, 33), 0, QSize(81, 81)));  // its bottom-left colour unseen
        QCOMPARE(form.Panel1->frameStyle(), QFrame::Panel | QFrame::Raised);
        QCOMPARE(form.windowIcon().availableSizes(), QList<QSize>({{32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 200);
        QCOMPARE(QStringList({QApplication::applicationName(), QApplication::applicationVersion(),
                              QGuiApplication::desktopFileName()}),
                 QStringList({"mogran", "2.01.2", "jp.mogran.Mogran"}));
    }
};

}  // namespace mogran

QTEST_MAIN(mogran::WindowTest)
#include "window_test.moc"
