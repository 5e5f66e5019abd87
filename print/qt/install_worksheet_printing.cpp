#include "install_worksheet_printing.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>

#include "app_error.h"
#include "worksheet_printing_entry.h"

namespace mogran {

namespace {

AppError LoaderError() {
    const char* text = dlerror();
    return AppError(text != nullptr && *text != '\0' ? text : "原因不明のｴﾗｰ");
}

WorksheetPrintHandlerMaker LoadWorksheetPrinting(const QString& modulePath) {
    // Never closed: the handlers it makes live as long as the window.
    void* module = dlopen(QFile::encodeName(modulePath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        throw LoaderError();
    }
    dlerror();
    void* maker = dlsym(module, kWorksheetPrintHandlerMaker);
    if (maker == nullptr) {
        throw LoaderError();
    }
    return reinterpret_cast<WorksheetPrintHandlerMaker>(maker);
}

}  // namespace

void InstallWorksheetPrinting(TForm1& form, const QString& modulePath) {
    form.SetBitBtn1Handler([&form, modulePath, print = std::function<void()>()]() mutable {
        if (!print) {
            print = LoadWorksheetPrinting(modulePath)(form, form.Session());
        }
        print();
    });
}

void InstallWorksheetPrinting(TForm1& form) {
    InstallWorksheetPrinting(
        form, QCoreApplication::applicationDirPath() + QStringLiteral("/" MOGRAN_PRINT_MODULE));
}

}  // namespace mogran
