#include "install_worksheet_printing.h"

#include <utility>

namespace mogran {

void InstallWorksheetPrinting(TForm1& form, PrintDialogRunners runners) {
    form.SetBitBtn1Handler(MakeWorksheetPrintHandler(form, form.Session(), std::move(runners)));
}

}  // namespace mogran
