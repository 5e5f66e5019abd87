#pragma once

#include <functional>

class QWidget;

namespace mogran {

class DrillSession;

// The one function of the print module, which the program loads when the print button is
// first used: the click handler of the print button of `window`, working on `session` (which
// must outlive it) and asking through the window's own message boxes and the platform's
// print dialog.
using WorksheetPrintHandlerMaker = std::function<void()> (*)(QWidget& window,
                                                             DrillSession& session);

// Its name in the module.
inline constexpr char kWorksheetPrintHandlerMaker[] = "MogranWorksheetPrintHandler";

}  // namespace mogran
