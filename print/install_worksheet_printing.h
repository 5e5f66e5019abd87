#pragma once

#include "tform1.h"
#include "worksheet_printing.h"

namespace mogran {

// Makes the print button of the main window print worksheets. Call once, after the window
// is built; the runners are for tests and show the real dialogs when left empty.
void InstallWorksheetPrinting(TForm1& form, PrintDialogRunners runners = {});

}  // namespace mogran
