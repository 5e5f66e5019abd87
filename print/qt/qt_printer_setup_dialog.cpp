#include "qt_printer_setup_dialog.h"

#include <QPrintDialog>

namespace mogran {

QtPrinterSetupDialog::QtPrinterSetupDialog(QWidget* parent) : parent_(parent) {}

bool QtPrinterSetupDialog::Run(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace mogran
