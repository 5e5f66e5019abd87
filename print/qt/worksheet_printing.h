#pragma once

#include <functional>
#include <memory>

#include "drill_session.h"
#include "print_prompts.h"
#include "printer_setup_dialog.h"

namespace mogran {

// The click handler of the print button, working on `session` and asking through `prompts`
// and `setupDialog`. It keeps its printer (and the settings chosen in the set-up dialog) for
// every later click. The session must outlive the handler. Failures leave it as AppError
// for the window's guard.
std::function<void()> MakeWorksheetPrintHandler(DrillSession& session,
                                                std::unique_ptr<PrintPrompts> prompts,
                                                std::unique_ptr<PrinterSetupDialog> setupDialog);

}  // namespace mogran
