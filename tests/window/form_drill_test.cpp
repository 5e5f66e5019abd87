// The main window driven through real key and mouse events: answers, held Enter, the reveal
// button, the count dialog, the error box and closing.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "error_box.h"
#include "input_box.h"
#include "picture_file.h"
#include "startup.h"
#include "tform1.h"
#include "window_test_media.h"

using mogran::TForm1;

namespace {

struct ShownError {
    QString caption;
    QString text;
};

QImage Shown(const TForm1& form) {
    return form.Image1->pixmap().toImage();
}

QImage Picture(const char* name) {
    return QPixmap::fromImage(mogran::LoadPictureFile(name)).toImage();
}

std::int32_t CurrentAnswer(TForm1& form) {
    const auto& data = form.Data();
    return data.problemSet[data.state.CurrentNo].Answer;
}

void SendKey(QWidget* widget, QEvent::Type type, bool autoRepeat) {
    QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class FormDrillTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void answersThroughKeys();
    void heldEnterJudgesOnce();
    void revealAndMoveOn();
    void countDialog_data();
    void countDialog();
    void failureShowsErrorBox();
    void closingEndsProgram_data();
    void closingEndsProgram();

private:
    void Start(TForm1& form);

    QTemporaryDir media_;
    QTemporaryDir empty_;
    QString startDir_;
    QList<ShownError> errors_;
};

void FormDrillTest::initTestCase() {
    QVERIFY(media_.isValid() && empty_.isValid());
    QVERIFY(mogran::test::PutMediaFiles(media_.path()));
    mogran::test::UseDiskAudio(empty_.path());
    startDir_ = QDir::currentPath();
    mogran::SetUpApplication();
}

void FormDrillTest::init() {
    errors_.clear();
    mogran::SetErrorBoxHook([this](const QString& caption, const QString& text) {
        errors_.append({caption, text});
    });
    QVERIFY(QDir::setCurrent(media_.path()));
}

void FormDrillTest::cleanup() {
    mogran::SetErrorBoxHook(nullptr);
    mogran::SetInputBoxAnswerer(nullptr);
    QDir::setCurrent(startDir_);
}

void FormDrillTest::Start(TForm1& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(form.Edit6->text(), QStringLiteral("こたえをいれてリターン。"));
    QCOMPARE(form.Edit4->text(), QStringLiteral("1"));
    QCOMPARE(form.Edit2->text(), QString());
    QCOMPARE(form.focusWidget(), form.Edit2);
}

void FormDrillTest::answersThroughKeys() {
    TForm1 form;
    Start(form);
    QVERIFY(errors_.isEmpty());
    QCOMPARE(Shown(form), Picture("mascot.bmp"));

    QSignalSpy returnPressed(form.Edit2, &QLineEdit::returnPressed);
    QSignalSpy button1(form.Button1, &QPushButton::clicked);
    QSignalSpy button3(form.Button3, &QPushButton::clicked);

    // Wrong first: the problem stays, the rate counts it as missed.
    QTest::keyClicks(form.Edit2, QString::number(CurrentAnswer(form) + 1));
    QTest::keyClick(form.Edit2, Qt::Key_Return);
    QCOMPARE(form.Edit6->text(), QStringLiteral("ぶ～　まちがえたよ"));
    QCOMPARE(form.Edit5->text(), QStringLiteral(" 0"));
    QCOMPARE(form.Edit4->text(), QStringLiteral("1"));
    QCOMPARE(Shown(form), Picture("batu1.bmp"));

    // The next key brings the mascot back before the box takes it.
    QTest::keyClick(form.Edit2, Qt::Key_Backspace);
    QCOMPARE(Shown(form), Picture("mascot.bmp"));
    QCOMPARE(form.Edit6->text(), QStringLiteral("こたえをいれてリターン。"));
    form.Edit2->clear();

    QTest::keyClicks(form.Edit2, QString::number(CurrentAnswer(form)));
    QTest::keyClick(form.Edit2, Qt::Key_Return);
    QCOMPARE(form.Edit6->text(), QStringLiteral("せいかいです！"));
    QCOMPARE(Shown(form), Picture("maru1.bmp"));
    QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
    QCOMPARE(form.Data().state.CorrectCount, 0);

    // Right at the first try counts.
    QTest::keyClicks(form.Edit2, QString::number(CurrentAnswer(form)));
    QTest::keyClick(form.Edit2, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(form.Edit4->text(), QStringLiteral("3"));
    QCOMPARE(form.Data().state.CorrectCount, 1);
    QCOMPARE(form.Edit5->text(), QStringLiteral("50"));

    // Enter is the drill's alone: no button is clicked and the box never sees it.
    QCOMPARE(returnPressed.count(), 0);
    QCOMPARE(button1.count(), 0);
    QCOMPARE(button3.count(), 0);
    QVERIFY(errors_.isEmpty());
}

void FormDrillTest::heldEnterJudgesOnce() {
    TForm1 form;
    Start(form);
    QTest::keyClicks(form.Edit2, QString::number(CurrentAnswer(form)));

    SendKey(form.Edit2, QEvent::KeyPress, false);
    QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
    // Auto-repeat arrives as release/press pairs; none of them is a real release.
    for (int i = 0; i < 3; ++i) {
        SendKey(form.Edit2, QEvent::KeyRelease, true);
        SendKey(form.Edit2, QEvent::KeyPress, true);
    }
    QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
    QCOMPARE(form.Data().state.CurrentNo, 2);
    QCOMPARE(form.Edit6->text(), QStringLiteral("こたえをいれてリターン。"));
    QCOMPARE(Shown(form), Picture("mascot.bmp"));
    QCOMPARE(form.Edit2->text(), QString());

    // The real release arms Enter again.
    SendKey(form.Edit2, QEvent::KeyRelease, false);
    QTest::keyClicks(form.Edit2, QString::number(CurrentAnswer(form)));
    QTest::keyClick(form.Edit2, Qt::Key_Return);
    QCOMPARE(form.Edit4->text(), QStringLiteral("3"));
    QVERIFY(errors_.isEmpty());
}

void FormDrillTest::revealAndMoveOn() {
    TForm1 form;
    Start(form);
    const std::int32_t answer = CurrentAnswer(form);

    QTest::mouseClick(form.Button3, Qt::LeftButton);
    QCOMPARE(form.Edit6->text(), QStringLiteral("せいかいは %1 でした。").arg(answer));
    QCOMPARE(form.Button3->text(), QStringLiteral("つぎのもんだい"));
    QCOMPARE(form.Button3->toolTip(), QStringLiteral("つぎのもんだいにすすみます"));
    QCOMPARE(form.focusWidget(), form.Button3);

    // Space on the focused button moves on.
    QTest::keyClick(form.Button3, Qt::Key_Space);
    QCOMPARE(form.Button3->text(), QStringLiteral("せいかいを見る"));
    QCOMPARE(form.Button3->toolTip(), QStringLiteral("正解を出します"));
    QCOMPARE(form.Edit4->text(), QStringLiteral("2"));
    QCOMPARE(form.Edit5->text(), QStringLiteral("0"));
    QCOMPARE(form.focusWidget(), form.Edit2);
    QVERIFY(errors_.isEmpty());
}

void FormDrillTest::countDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("edit3");
    QTest::addColumn<QString>("error");

    QTest::newRow("seven") << "7" << true << "7"
                           << "";
    QTest::newRow("too many") << "150" << true << "100"
                              << "";
    QTest::newRow("cancel keeps default") << "55" << false << "10"
                                          << "";
    QTest::newRow("not a number") << "abc" << true << ""
                                  << "'abc' は整数ではありません.";
}

void FormDrillTest::countDialog() {
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, edit3);
    QFETCH(QString, error);

    QString title;
    QString prompt;
    QString offered;
    mogran::SetInputBoxAnswerer([&](mogran::InputBoxDialog& dialog) {
        title = dialog.windowTitle();
        prompt = dialog.findChild<QLabel*>("Prompt")->text();
        offered = dialog.Field()->selectedText();
        QCOMPARE(dialog.Field()->maxLength(), 255);
        // Typing replaces the selected default.
        QTest::keyClicks(dialog.Field(), typed);
        QTest::mouseClick(ok ? dialog.OkButton() : dialog.CancelButton(), Qt::LeftButton);
    });

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.CheckBox1, Qt::LeftButton);

    QCOMPARE(title, QStringLiteral("問題数を決めます"));
    QCOMPARE(prompt, QStringLiteral("何問やりますか？"));
    QCOMPARE(offered, QStringLiteral("10"));
    QCOMPARE(form.Edit3->text(), edit3);
    if (error.isEmpty()) {
        QVERIFY(form.CheckBox1->isChecked());
        QVERIFY(errors_.isEmpty());
        QVERIFY(mogran::IsSet(form.Data().state.CountFixed));
        QCOMPARE(form.focusWidget(), form.Edit2);
    } else {
        QCOMPARE(errors_.size(), 1);
        QCOMPARE(errors_.front().text, error);
        QVERIFY(!mogran::IsSet(form.Data().state.CountFixed));
    }
}

void FormDrillTest::failureShowsErrorBox() {
    QVERIFY(QDir::setCurrent(empty_.path()));
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage builtIn = Shown(form);

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(errors_.size(), 1);
    QCOMPARE(errors_.front().caption, QStringLiteral("モグラン（３数の計算）"));
    QCOMPARE(errors_.front().text, QStringLiteral("ﾌｧｲﾙ mascot.bmp は開けません."));
    // What ran before the failure stays; what came after did not run.
    QCOMPARE(Shown(form), builtIn);
    QCOMPARE(form.Edit1->text(), QStringLiteral("もんだい"));
    QCOMPARE(form.Data().state.CurrentNo, 1);
    QVERIFY(!form.Button1->isDown());

    // The window goes on working once the files are there.
    QVERIFY(QDir::setCurrent(media_.path()));
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(errors_.size(), 1);
    QCOMPARE(form.Edit6->text(), QStringLiteral("こたえをいれてリターン。"));
}

void FormDrillTest::closingEndsProgram_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("おしまい") << true;
    QTest::newRow("title bar close box") << false;
}

void FormDrillTest::closingEndsProgram() {
    QFETCH(bool, byButton);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTimer::singleShot(0, &form, [&] {
        // In the middle of a set.
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        if (byButton) {
            QTest::mouseClick(form.Button2, Qt::LeftButton);
        } else {
            form.close();
        }
    });
    QTimer watchdog;
    bool timedOut = false;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(10000);

    const int exitCode = QApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(exitCode, 0);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(FormDrillTest)
#include "form_drill_test.moc"
