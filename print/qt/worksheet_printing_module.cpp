// The print module: the worksheet printing with Qt's print support and CUPS, and the many
// libraries they bring, kept out of the program until the print button is first used.
#include <memory>
#include <type_traits>

#include "qt_print_prompts.h"
#include "qt_printer_setup_dialog.h"
#include "worksheet_printing.h"
#include "worksheet_printing_entry.h"

namespace mogran {

// The module's entry, found by its plain name (kWorksheetPrintHandlerMaker).
extern "C" __attribute__((visibility("default"))) std::function<void()> MogranWorksheetPrintHandler(
    QWidget& window, DrillSession& session) {
    return MakeWorksheetPrintHandler(session, std::make_unique<QtPrintPrompts>(window),
                                     std::make_unique<QtPrinterSetupDialog>(&window));
}

static_assert(std::is_same_v<decltype(&MogranWorksheetPrintHandler), WorksheetPrintHandlerMaker>);

}  // namespace mogran
