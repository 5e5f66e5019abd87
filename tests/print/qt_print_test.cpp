#include <functional>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "app_error.h"
#include "qt_print_device.h"
#include "qt_print_prompts.h"

namespace mogran {

namespace {

QString ErrorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const AppError& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("(no error)");
}

// A window whose paint events are counted.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

// The print layer's Qt side. The test runs without a print system (its CUPS server does not
// exist), so jobs go to PDF files where a printer is needed.
class QtPrintTest : public QObject {
    Q_OBJECT

private slots:
    void fontHeightFollowsVerticalResolution_data();
    void fontHeightFollowsVerticalResolution();
    void drawingNeedsAnOpenJobAndJobsDoNotNest_data();
    void drawingNeedsAnOpenJobAndJobsDoNotNest();
    void pageSizeIsThePaintersArea();
    void withoutPrintersNothingCanBePrinted();
    void dialogsGiveTheirModalResults_data();
    void dialogsGiveTheirModalResults();
    void dialogsShowTheirTextsCentredOnScreen();
    void busyWindowTakesNoInput();
    void flushPaintsTheWindowAtOnce();

private:
    QTemporaryDir dir_;
};

void QtPrintTest::fontHeightFollowsVerticalResolution_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("300 dpi") << 300 << 83;
    QTest::newRow("600 dpi") << 600 << 167;
    QTest::newRow("1200 dpi") << 1200 << 333;
}

void QtPrintTest::fontHeightFollowsVerticalResolution() {
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QtPrintDevice device;
    device.PrintToPdfFile(dir_.filePath(QStringLiteral("font.pdf")), dpi);
    device.BeginJob();
    device.SetFont("ＭＳゴシック", 20);
    QCOMPARE(device.Painter().font().pixelSize(), pixels);
    QCOMPARE(device.Painter().font().family(), QStringLiteral("ＭＳゴシック"));
    QCOMPARE(QFontInfo(device.Painter().font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(device.Painter().backgroundMode(), Qt::OpaqueMode);
    QCOMPARE(device.Painter().background().color(), QColor(Qt::white));
    QVERIFY(device.Painter().pen().isCosmetic());
    device.EndJob();
    QVERIFY(QFileInfo(dir_.filePath(QStringLiteral("font.pdf"))).size() > 0);
}

void QtPrintTest::drawingNeedsAnOpenJobAndJobsDoNotNest_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("inJob");
    QTest::addColumn<QString>("message");
    const QString notReady = QStringLiteral("ﾌﾟﾘﾝﾀに印刷できる状態ではありません");
    QTest::newRow("font without job") << "font" << false << notReady;
    QTest::newRow("move without job") << "move" << false << notReady;
    QTest::newRow("line without job") << "line" << false << notReady;
    QTest::newRow("text without job") << "text" << false << notReady;
    QTest::newRow("end without job") << "end" << false << notReady;
    QTest::newRow("begin inside a job") << "begin" << true << QStringLiteral("印刷中");
    QTest::newRow("set-up OK inside a job") << "setup" << true << QStringLiteral("印刷中");
    QTest::newRow("set-up OK between jobs") << "setup" << false << QStringLiteral("(no error)");
}

void QtPrintTest::drawingNeedsAnOpenJobAndJobsDoNotNest() {
    QFETCH(QString, op);
    QFETCH(bool, inJob);
    QFETCH(QString, message);
    QtPrintDevice device(nullptr, [](QPrintDialog&) { return int{QDialog::Accepted}; });
    device.PrintToPdfFile(dir_.filePath(QStringLiteral("state.pdf")), 300);
    if (inJob)
        device.BeginJob();
    const QString error = ErrorOf([&] {
        if (op == "font")
            device.SetFont("ＭＳゴシック", 20);
        if (op == "move")
            device.MoveTo(1, 1);
        if (op == "line")
            device.LineTo(5, 5);
        if (op == "text")
            device.TextOut(1, 1, "なまえ");
        if (op == "end")
            device.EndJob();
        if (op == "begin")
            device.BeginJob();
        if (op == "setup")
            device.SetupDialog();
    });
    QCOMPARE(error, message);
}

void QtPrintTest::pageSizeIsThePaintersArea() {
    QtPrintDevice device;
    device.PrintToPdfFile(dir_.filePath(QStringLiteral("size.pdf")), 600);
    const PageExtent size = device.PageSize();
    device.BeginJob();
    QCOMPARE(size.width, device.Painter().device()->width());
    QCOMPARE(size.height, device.Painter().device()->height());
    device.EndJob();
}

void QtPrintTest::withoutPrintersNothingCanBePrinted() {
    int dialogsShown = 0;
    QtPrintDevice device(nullptr, [&](QPrintDialog&) {
        ++dialogsShown;
        return int{QDialog::Accepted};
    });
    QCOMPARE(ErrorOf([&] { device.SetupDialog(); }), QStringLiteral("ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません"));
    QCOMPARE(dialogsShown, 0);
    QCOMPARE(ErrorOf([&] { device.PageSize(); }),
             QStringLiteral("選択したﾌﾟﾘﾝﾀは有効ではありません"));
    QCOMPARE(ErrorOf([&] { device.BeginJob(); }),
             QStringLiteral("選択したﾌﾟﾘﾝﾀは有効ではありません"));
}

using BoxAction = std::function<void(QMessageBox&)>;

void QtPrintTest::dialogsGiveTheirModalResults_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("1: OK") << 1 << "click OK" << 1;
    QTest::newRow("1: Enter") << 1 << "Enter" << 1;
    QTest::newRow("1: Esc") << 1 << "Esc" << 1;
    QTest::newRow("1: close box") << 1 << "close" << 2;
    QTest::newRow("2: はい") << 2 << "click はい(&Y)" << 6;
    QTest::newRow("2: いいえ") << 2 << "click いいえ(&N)" << 7;
    QTest::newRow("2: Enter") << 2 << "Enter" << 6;
    QTest::newRow("2: Esc") << 2 << "Esc" << 7;
    QTest::newRow("2: close box") << 2 << "close" << 2;
}

void QtPrintTest::dialogsGiveTheirModalResults() {
    QFETCH(int, dialog);
    QFETCH(QString, action);
    QFETCH(int, result);
    QWidget window;
    QtPrintPrompts prompts(window, [&](QMessageBox& box) {
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (action == "Enter")
            QTest::keyClick(&box, Qt::Key_Return);
        if (action == "Esc")
            QTest::keyClick(&box, Qt::Key_Escape);
        if (action == "close")
            box.close();
        for (QAbstractButton* b : box.buttons()) {
            if (action == "click " + b->text())
                QTest::mouseClick(b, Qt::LeftButton);
        }
    });
    QCOMPARE(dialog == 1 ? prompts.ShowDialog1() : prompts.ShowDialog2(), result);
}

void QtPrintTest::dialogsShowTheirTextsCentredOnScreen() {
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon;
        QStringList buttons;
        QString defaultButton, escapeButton;
        QPoint centre, screenCentre;
    };
    QList<Seen> seen;
    QWidget window;
    QtPrintPrompts prompts(window, [&](QMessageBox& box) {
        box.show();
        Seen s{box.windowTitle(),
               box.text(),
               box.icon(),
               {},
               box.defaultButton()->text(),
               box.escapeButton()->text(),
               box.frameGeometry().center(),
               box.screen()->availableGeometry().center()};
        QList<QAbstractButton*> buttons = box.buttons();
        std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (QAbstractButton* b : buttons)
            s.buttons << b->text();
        seen << s;
        box.close();
    });
    prompts.ShowDialog1();
    prompts.ShowDialog2();
    QCOMPARE(seen.size(), 2);

    QCOMPARE(seen[0].title, QStringLiteral("情報"));
    QCOMPARE(seen[0].icon, QMessageBox::Information);
    QCOMPARE(seen[0].text, QStringLiteral("このボタンは、もんだいをいんさつするボタンです。\n\n"
                                          "もんだいすうをきめてからえらんでください"));
    QCOMPARE(seen[0].buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen[0].defaultButton, QStringLiteral("OK"));
    QCOMPARE(seen[0].escapeButton, QStringLiteral("OK"));

    QCOMPARE(seen[1].title, QStringLiteral("警告"));
    QCOMPARE(seen[1].icon, QMessageBox::Warning);
    QCOMPARE(
        seen[1].text,
        QStringLiteral("このボタンは　もんだいを いんさつするボタンです。\n\nいんさつしますか？"));
    QCOMPARE(seen[1].buttons,
             (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));
    QCOMPARE(seen[1].defaultButton, QStringLiteral("はい(&Y)"));
    QCOMPARE(seen[1].escapeButton, QStringLiteral("いいえ(&N)"));

    for (const Seen& s : seen) {
        const QPoint off = s.centre - s.screenCentre;
        QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2, "box is not centred");
    }
}

void QtPrintTest::busyWindowTakesNoInput() {
    PaintCounter window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("スタート"), &window);
    auto* edit = new QLineEdit(&window);
    layout->addWidget(button);
    layout->addWidget(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);

    QtPrintPrompts prompts(window);
    prompts.BeginBusy();
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QTest::mouseClick(button, Qt::LeftButton);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("12"));
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(!window.close());
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(edit->text(), QString());
    QVERIFY(window.isVisible());

    // Input still queued when the busy time ends is dropped, not delivered late.
    const QPoint centre = button->rect().center();
    QCoreApplication::postEvent(
        button, new QMouseEvent(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        button, new QMouseEvent(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7")));
    prompts.EndBusy();
    QCoreApplication::processEvents();
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("12"));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QVERIFY(window.close());
}

void QtPrintTest::flushPaintsTheWindowAtOnce() {
    PaintCounter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QtPrintPrompts prompts(window);
    const int before = window.paints;
    window.update();
    prompts.FlushDisplay();
    QVERIFY(window.paints > before);
}

}  // namespace mogran

QTEST_MAIN(mogran::QtPrintTest)
#include "qt_print_test.moc"
