#include "startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app_identity.h"
#include "window_fonts.h"

namespace mogran {

namespace {

// Qt's translations for the system locale, when installed; our own texts need none.
void InstallQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void SetUpApplication() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setQuitOnLastWindowClosed(true);
    InstallQtTranslations();
    // Dialogs and hints are written in the window's face. The toolkit's own default is a
    // generic family that it would look up through the whole font configuration for the
    // first text box made.
    InstallFontSubstitutions();
    QApplication::setFont(WindowFont());
}

}  // namespace mogran
