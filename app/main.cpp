#include <QApplication>

#include "install_worksheet_printing.h"
#include "startup.h"
#include "tform1.h"
#include "window_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mogran::SetUpApplication();
    mogran::QtWindowDialogs dialogs;
    mogran::TForm1 form(dialogs);
    mogran::InstallWorksheetPrinting(form);
    form.show();
    return QApplication::exec();
}
