#include <QApplication>

#include "font_preparation.h"
#include "install_worksheet_printing.h"
#include "startup.h"
#include "tform1.h"
#include "window_dialogs.h"

int main(int argc, char* argv[]) {
    mogran::FontPreparation fonts;
    QApplication app(argc, argv);
    fonts.ListFaces();
    mogran::SetUpApplication();
    mogran::QtWindowDialogs dialogs;
    mogran::TForm1 form(dialogs);
    mogran::InstallWorksheetPrinting(form);
    form.show();
    return QApplication::exec();
}
