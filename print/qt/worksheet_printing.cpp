#include "worksheet_printing.h"

#include "print_action.h"
#include "qt_print_device.h"

namespace mogran {

namespace {

struct WorksheetPrinter {
    WorksheetPrinter(std::unique_ptr<PrintPrompts> p, std::unique_ptr<PrinterSetupDialog> d)
        : prompts(std::move(p)), setupDialog(std::move(d)), device(*setupDialog) {}

    std::unique_ptr<PrintPrompts> prompts;
    std::unique_ptr<PrinterSetupDialog> setupDialog;
    QtPrintDevice device;
};

}  // namespace

std::function<void()> MakeWorksheetPrintHandler(DrillSession& session,
                                                std::unique_ptr<PrintPrompts> prompts,
                                                std::unique_ptr<PrinterSetupDialog> setupDialog) {
    auto printer = std::make_shared<WorksheetPrinter>(std::move(prompts), std::move(setupDialog));
    return [printer, &session] { BitBtn1Click(session, *printer->prompts, printer->device); };
}

}  // namespace mogran
