#pragma once

#include <QString>

#include "tform1.h"

namespace mogran {

// Makes the print button of the main window print worksheets. The printing is a module of its
// own, loaded from `modulePath` when the button is first used; a module that cannot be loaded
// or lacks its entry is reported in the error box with the loader's text, and tried again at
// the next click. Call once, after the window is built.
void InstallWorksheetPrinting(TForm1& form, const QString& modulePath);

// The same with the program's own print module, found relative to the program's folder, as
// installed and in the build tree alike.
void InstallWorksheetPrinting(TForm1& form);

}  // namespace mogran
