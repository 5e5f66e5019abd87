// The window's small parts: key codes, the error box and its guard, the input box.
#include <new>
#include <stdexcept>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app_error.h"
#include "error_box.h"
#include "input_box.h"
#include "key_codes.h"

class WindowPartsTest : public QObject {
    Q_OBJECT
private slots:
    void keyCodes_data();
    void keyCodes();
    void errorBoxText_data();
    void errorBoxText();
    void guardCatchesAndReports_data();
    void guardCatchesAndReports();
    void realErrorBox_data();
    void realErrorBox();
    void inputBoxModal_data();
    void inputBoxModal();
};

void WindowPartsTest::keyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << 13;
    QTest::newRow("A") << int(Qt::Key_A) << none << 65;
    QTest::newRow("0") << int(Qt::Key_0) << none << 48;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 96;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 8;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << none << 16;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << 189;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << 109;
    QTest::newRow("unknown") << int(Qt::Key_VolumeUp) << none << 0;
}

void WindowPartsTest::keyCodes() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QCOMPARE(mogran::VirtualKeyCode(key, modifiers), code);
}

void WindowPartsTest::errorBoxText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    const struct {
        const char* row;
        const char* message;
        const char* shown;
    } rows[] = {
        {"empty", "", ""},
        {"kana", "ﾌｧｲﾙ maru1.bmp は開けません", "ﾌｧｲﾙ maru1.bmp は開けません."},
        {"ideographic stop", "おわり。", "おわり。."},
        {"letter", "no device", "no device."},
        {"slash, just above the stop", "a/", "a/."},
        {"stop", "done.", "done."},
        {"exclamation", "wow!", "wow!"},
        {"parenthesis", "(x)", "(x)"},
        {"space", "a ", "a "},
        {"beyond the basic plane", "a\U0001F600", "a\U0001F600."},
    };
    for (const auto& r : rows) {
        QTest::newRow(r.row) << QString::fromUtf8(r.message) << QString::fromUtf8(r.shown);
    }
}

void WindowPartsTest::errorBoxText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(mogran::ErrorBoxText(message.toStdString()), shown);
}

void WindowPartsTest::guardCatchesAndReports_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");

    QTest::newRow("AppError") << 0 << "'x' は整数ではありません.";
    QTest::newRow("std::exception") << 1 << "原因不明のｴﾗｰ.";
    QTest::newRow("out of memory") << 3 << "ﾒﾓﾘが不足しています.";
    QTest::newRow("anything else") << 2 << "原因不明のｴﾗｰ.";
}

void WindowPartsTest::guardCatchesAndReports() {
    QFETCH(int, kind);
    QFETCH(QString, shown);

    QStringList texts;
    QString caption;
    mogran::SetErrorBoxHook([&](const QString& c, const QString& text) {
        caption = c;
        texts << text;
    });

    QWidget window;
    auto* button = new QPushButton(&window);
    button->setDown(true);
    bool after = false;
    mogran::RunGuarded(window, [&] {
        switch (kind) {
            case 0:
                throw mogran::AppError("'x' は整数ではありません");
            case 1:
                throw std::runtime_error("bad thing");
            case 3:
                throw std::bad_alloc();
            default:
                throw 42;
        }
        after = true;
    });
    mogran::SetErrorBoxHook(nullptr);

    QCOMPARE(texts, QStringList{shown});
    QCOMPARE(caption, QStringLiteral("モグラン（３数の計算）"));
    QVERIFY(!after);
    QVERIFY(!button->isDown());

    // A handler that succeeds shows nothing.
    mogran::SetErrorBoxHook([&](const QString&, const QString& text) { texts << text; });
    mogran::RunGuarded(window, [&] { after = true; });
    mogran::SetErrorBoxHook(nullptr);
    QVERIFY(after);
    QCOMPARE(texts.size(), 1);
}

void WindowPartsTest::realErrorBox_data() {
    QTest::addColumn<QString>("message");
    QTest::newRow("file") << QStringLiteral("ﾌｧｲﾙ batu1.wav は開けません.");
    // Typed into the count box: shown as typed, not as markup.
    QTest::newRow("markup typed") << QStringLiteral("'<b>5' は整数ではありません.");
}

void WindowPartsTest::realErrorBox() {
    QFETCH(QString, message);
    QString title;
    QString text;
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        title = box->windowTitle();
        text = box->text();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            label != nullptr && label->textFormat() == Qt::PlainText) {
            shown = label->text();
        }
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    mogran::ShowErrorBox(nullptr, message);

    QCOMPARE(title, QStringLiteral("モグラン（３数の計算）"));
    QCOMPARE(text, message);
    QCOMPARE(shown, message);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void WindowPartsTest::inputBoxModal_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<QString>("answer");

    QTest::newRow("Enter presses OK") << "25" << int(Qt::Key_Return) << "25";
    QTest::newRow("Enter with the default") << "" << int(Qt::Key_Return) << "10";
    QTest::newRow("emptied field") << "\b" << int(Qt::Key_Return) << "";
    QTest::newRow("Esc cancels") << "25" << int(Qt::Key_Escape) << "10";
    QTest::newRow("closed by the title bar") << "25" << 0 << "10";
}

void WindowPartsTest::inputBoxModal() {
    QFETCH(QString, typed);
    QFETCH(int, closeKey);
    QFETCH(QString, answer);

    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("InputBox")) {
            return;
        }
        seen = true;
        auto* field = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(field, typed);
        if (closeKey == 0) {
            dialog->close();
        } else {
            QTest::keyClick(field, Qt::Key(closeKey));
        }
    });
    const QString result =
        mogran::RunInputBox(nullptr, QStringLiteral("問題数を決めます"),
                            QStringLiteral("何問やりますか？"), QStringLiteral("10"));
    QVERIFY(seen);
    QCOMPARE(result, answer);
}

QTEST_MAIN(WindowPartsTest)
#include "window_parts_test.moc"
