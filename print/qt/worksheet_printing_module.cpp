// The print module: the worksheet printing with Qt's print support and CUPS, and the many
// libraries they bring, kept out of the program until the print button is first used.
#include <memory>
#include <type_traits>

#include "qt_print_prompts.h"
#include "qt_printer_setup_dialog.h"
#include "worksheet_printing.h"
#include "worksheet_printing_entry.h"

extern "C" __attribute__((visibility("default"))) std::function<void()> MogranWorksheetPrintHandler(
    QWidget& window, mogran::DrillSession& session) {
    return mogran::MakeWorksheetPrintHandler(
        session, std::make_unique<mogran::QtPrintPrompts>(window),
        std::make_unique<mogran::QtPrinterSetupDialog>(&window));
}

static_assert(
    std::is_same_v<decltype(&MogranWorksheetPrintHandler), mogran::WorksheetPrintHandlerMaker>);
