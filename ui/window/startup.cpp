#include "startup.h"

#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "app_identity.h"

namespace mogran {

namespace {

// Removes itself after the first exposure of the watched window.
class ShownReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            if (const auto* window = qobject_cast<QWindow*>(watched);
                window != nullptr && window->isExposed()) {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                const auto micros =
                    std::chrono::duration_cast<std::chrono::microseconds>(now).count();
                std::fprintf(stderr, "mogran-shown %lld.%06lld\n",
                             static_cast<long long>(micros / 1000000),
                             static_cast<long long>(micros % 1000000));
                std::fflush(stderr);
                watched->removeEventFilter(this);
                deleteLater();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SetUpApplication() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setQuitOnLastWindowClosed(true);
}

void ReportFirstShowIfAsked(QWidget& window) {
    if (!qEnvironmentVariableIsSet("MOGRAN_REPORT_SHOWN")) {
        return;
    }
    window.winId();  // makes the native window, so that its exposure can be watched
    if (QWindow* handle = window.windowHandle(); handle != nullptr) {
        handle->installEventFilter(new ShownReporter(handle));
    }
}

}  // namespace mogran
