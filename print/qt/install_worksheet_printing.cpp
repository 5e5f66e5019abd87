#include "install_worksheet_printing.h"

#include "qt_print_prompts.h"
#include "qt_printer_setup_dialog.h"
#include "worksheet_printing.h"

namespace mogran {

void InstallWorksheetPrinting(TForm1& form) {
    InstallWorksheetPrinting(form, std::make_unique<QtPrintPrompts>(form),
                             std::make_unique<QtPrinterSetupDialog>(&form));
}

void InstallWorksheetPrinting(TForm1& form, std::unique_ptr<PrintPrompts> prompts,
                              std::unique_ptr<PrinterSetupDialog> setupDialog) {
    form.SetBitBtn1Handler(
        MakeWorksheetPrintHandler(form.Session(), std::move(prompts), std::move(setupDialog)));
}

}  // namespace mogran
