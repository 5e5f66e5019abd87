#pragma once

#include <functional>

#include <QWidget>

#include "drill_session.h"
#include "qt_print_device.h"
#include "qt_print_prompts.h"

namespace mogran {

// How the modal dialogs of a print action are shown; empty members show them for real.
struct PrintDialogRunners {
    QtPrintPrompts::BoxRunner messageBox;
    QtPrintDevice::DialogRunner setupDialog;
};

// The click handler of the print button of `window`, working on `session`. It keeps its
// printer (and the settings chosen in the set-up dialog) for every later click. Both
// references must outlive the handler. Failures leave it as AppError for the window's guard.
std::function<void()> MakeWorksheetPrintHandler(QWidget& window, DrillSession& session,
                                                PrintDialogRunners runners = {});

}  // namespace mogran
