#pragma once

#include <memory>

#include "print_prompts.h"
#include "printer_setup_dialog.h"
#include "tform1.h"

namespace mogran {

// Makes the print button of the main window print worksheets, asking through the window's
// own message boxes and the platform's print dialog. Call once, after the window is built.
void InstallWorksheetPrinting(TForm1& form);

// The same, asking through the dialogs given.
void InstallWorksheetPrinting(TForm1& form, std::unique_ptr<PrintPrompts> prompts,
                              std::unique_ptr<PrinterSetupDialog> setupDialog);

}  // namespace mogran
