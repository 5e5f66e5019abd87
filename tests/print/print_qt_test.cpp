// A worksheet page as the page device receives it, its lines, the busy cursor while printing
// and the confirmation boxes as shown, on the offscreen platform.
#include <tuple>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "painter_page.h"
#include "qt_print_prompts.h"
#include "qt_printer_setup_dialog.h"

namespace mogran {

// A page device of 600 dpi that keeps the installed face and pixel height of every text.
class FontPage : public QPaintDevice, QPaintEngine {
public:
    FontPage() : QPaintEngine(AllFeatures) {}
    QStringList fonts;

private:
    QPaintEngine* paintEngine() const override { return const_cast<FontPage*>(this); }
    int metric(PaintDeviceMetric m) const override {
        return m == PdmDevicePixelRatio         ? 1
               : m == PdmDevicePixelRatioScaled ? devicePixelRatioFScale()
                                                : 600;
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        const QFontInfo info(item.font());
        fonts << info.family() + ' ' + QString::number(info.pixelSize());
    }
    Type type() const override { return User; }
};

class PrintQtTest : public QObject {
    Q_OBJECT
private slots:
    // Each text in the print face at 20 points of the resolution, on a white cell drawn over
    // whatever lay beneath.
    void textInThePrintFontOnWhite() {
        for (const auto& [dpi, height] : {std::pair{600, 167}, {300, 83}, {1200, 333}}) {
            FontPage fonts;
            QImage page(1200, 400, QImage::Format_RGB32);
            page.fill(Qt::gray);
            for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&fonts, &page}) {
                QPainter painter(device);
                PainterPage drawn(painter);
                drawn.SetFont("ＭＳゴシック", 20, dpi);
                drawn.TextOut(20, 10, "1＋2 ＝");
            }
            QCOMPARE(fonts.fonts, QStringList(2, "IPAGothic " + QString::number(height)));
            QCOMPARE(QColor(page.pixel(21, 11)), QColor(Qt::white));  // the cell's corner
            QCOMPARE(QColor(page.pixel(19, 11)), QColor(Qt::gray));
            int ink = 0;
            for (int x = 20; x < 20 + 3 * height; ++x)
                ink += page.pixel(x, 10 + height / 2) == qRgb(0, 0, 0);
            QVERIFY(ink > 0);
        }
    }

    // Lines one device pixel wide whatever the painter's scale.
    void linesOnePixelWide() {
        QImage page(100, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(4, 4);
        PainterPage drawn(painter);
        drawn.MoveTo(2, 10);
        drawn.LineTo(20, 10);
        painter.end();
        int ink = 0;
        for (int y = 0; y < 100; ++y)
            ink += page.pixel(40, y) != qRgb(255, 255, 255);
        QCOMPARE(ink, 1);
    }

    // The busy cursor while worksheets print, and the pupil's own again after.
    void busyCursorWhilePrinting() {
        QWidget window;
        QtPrintPrompts prompts(window);
        prompts.BeginBusy();
        prompts.BeginBusy();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        prompts.EndBusy();
        QVERIFY(!QApplication::overrideCursor());
    }

    // The printer set-up dialog, by its name and with the paper size to choose; closed, it
    // says so.
    void printerSetupDialog() {
        QWidget window;
        QtPrinterSetupDialog setup(&window);
        QPrinter printer;
        QString seen = "no dialog";
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->objectName() + ' ' + QString::number(dialog->options());
                dialog->reject();
            }
        });
        QVERIFY(!setup.Run(printer));
        QCOMPARE(seen, "PrinterSetupDialog1 " +
                           QString::number(QAbstractPrintDialog::PrintShowPageSize));
    }

    // Title, icon, text as shown and buttons of each box, and what a key or the close box gives.
    void confirmationBoxes() {
        const QString text1 =
            "このボタンは、もんだいをいんさつするボタンです。\n\n"
            "もんだいすうをきめてからえらんでください";
        const QString text2 =
            "このボタンは　もんだいを いんさつするボタンです。\n\nいんさつしますか？";
        const QString shown1 = "情報 1 " + text1 + " OK",
                      shown2 = "警告 2 " + text2 + " はい(&Y) いいえ(&N)";
        // clang-format off
        const std::tuple<int, int, QString, int> cases[] = {
            {1, Qt::Key_Return, shown1, kModalOk}, {1, Qt::Key_Escape, shown1, kModalOk},
            {1, 0, shown1, kModalCancel}, {2, Qt::Key_Return, shown2, kModalYes},
            {2, Qt::Key_Escape, shown2, kModalNo}, {2, 0, shown2, kModalCancel}};
        // clang-format on
        QWidget window;
        QtPrintPrompts prompts(window);
        for (const auto& [dialog, key, shown, result] : cases) {
            QString seen;
            QTimer::singleShot(0, [&, key = key] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                auto* label = box->findChild<QLabel*>("qt_msgbox_label");
                seen = box->windowTitle() + ' ' + QString::number(box->icon()) + ' ' +
                       QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
                for (QAbstractButton* button : box->buttons())
                    seen += ' ' + button->text();
                const QPoint off =
                    box->geometry().center() - box->screen()->availableGeometry().center();
                if (off.manhattanLength() > 4)  // a window frame's width, at most
                    seen += " off the screen's centre";
                key ? QTest::keyClick(box, Qt::Key(key)) : void(box->close());
            });
            QCOMPARE(dialog == 1 ? prompts.ShowDialog1() : prompts.ShowDialog2(), result);
            QCOMPARE(seen, shown);
        }
    }
};

}  // namespace mogran

QTEST_MAIN(mogran::PrintQtTest)
#include "print_qt_test.moc"
