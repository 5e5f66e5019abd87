#include "worksheet_printing.h"

#include <memory>

#include "print_action.h"

namespace mogran {

namespace {

struct WorksheetPrinter {
    WorksheetPrinter(QWidget& window, PrintDialogRunners runners)
        : prompts(window, std::move(runners.messageBox)),
          device(&window, std::move(runners.setupDialog)) {}

    QtPrintPrompts prompts;
    QtPrintDevice device;
};

}  // namespace

std::function<void()> MakeWorksheetPrintHandler(QWidget& window, DrillSession& session,
                                                PrintDialogRunners runners) {
    auto printer = std::make_shared<WorksheetPrinter>(window, std::move(runners));
    return [printer, &session] { BitBtn1Click(session, printer->prompts, printer->device); };
}

}  // namespace mogran
