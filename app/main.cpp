#include <QApplication>

#include "install_worksheet_printing.h"
#include "startup.h"
#include "tform1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mogran::SetUpApplication();
    mogran::TForm1 form;
    mogran::InstallWorksheetPrinting(form);
    form.show();
    return QApplication::exec();
}
