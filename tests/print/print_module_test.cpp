// The print button of the real window with the print module loaded at its first click: a
// module that cannot be loaded, one without the entry, and the real one, whose failure
// reaches the window's error box from inside the module. On the offscreen platform, with no
// print scheduler to be reached (CUPS_SERVER names none).
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "install_worksheet_printing.h"
#include "window_dialogs.h"

namespace mogran {

struct ErrorRecorder : WindowDialogs {
    QStringList errors;
    void ShowErrorBox(QWidget*, const QString&, const QString& text) override { errors << text; }
    QString InputBox(QWidget*, const QString&, const QString&, const QString& d) override {
        return d;
    }
};

class PrintModuleTest : public QObject {
    Q_OBJECT
private slots:
    void loadedAtTheFirstClick() {
        const QString missing = QStringLiteral(MOGRAN_PRINT_MODULE_FILE ".missing");
        const struct {
            QString module, error;
        } cases[] = {
            {missing, missing + ": cannot open shared object file: No such file or directory."},
            {QStringLiteral(MOGRAN_NOT_A_PRINT_MODULE),
             "undefined symbol: MogranWorksheetPrintHandler."},
            {QStringLiteral(MOGRAN_PRINT_MODULE_FILE), "ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません."},
        };
        for (const auto& [module, error] : cases) {
            ErrorRecorder dialogs;
            TForm1 form(dialogs);
            form.SetCheckBox1Ticked(true);  // only the second box asks
            InstallWorksheetPrinting(form, module);
            QString asked;
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->windowTitle();
                    QTest::keyClick(box, Qt::Key_Return);
                }
            });
            form.BitBtn1->click();
            QCOMPARE(dialogs.errors.size(), 1);
            QVERIFY2(dialogs.errors[0].endsWith(error), qPrintable(dialogs.errors[0]));
            QCOMPARE(asked, module == cases[2].module ? QStringLiteral("警告") : QString());
            QCOMPARE(form.Data().state.CurrentNo, 0);  // nothing printed, no fresh set
        }
    }
};

}  // namespace mogran

QTEST_MAIN(mogran::PrintModuleTest)
#include "print_module_test.moc"
