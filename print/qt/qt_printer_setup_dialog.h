#pragma once

#include <QPointer>
#include <QWidget>

#include "printer_setup_dialog.h"

namespace mogran {

// The platform's print dialog, limited to choosing the printer and its page settings.
class QtPrinterSetupDialog : public PrinterSetupDialog {
public:
    explicit QtPrinterSetupDialog(QWidget* parent);

    bool Run(QPrinter& printer) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace mogran
