#include "error_box.h"

#include <exception>
#include <new>

#include <QAbstractButton>
#include <QWidget>

#include "app_error.h"
#include "app_identity.h"
#include "window_dialogs.h"

namespace mogran {

namespace {

// Shown for a failure that carries no message meant for the user: a library's own exception
// (its text is a programmer's, often a type name) or something that is not an exception object.
constexpr char kUnknownFailure[] = "原因不明のｴﾗｰ";
// Shown when memory ran out; the program goes on with what it has.
constexpr char kOutOfMemory[] = "ﾒﾓﾘが不足しています";

}  // namespace

QString ErrorBoxText(const std::string& message) {
    QString text = QString::fromStdString(message);
    if (text.isEmpty()) {
        return text;
    }
    // The last code point, a surrogate pair taken whole.
    char32_t last = text.back().unicode();
    if (text.size() >= 2 && text.back().isLowSurrogate() &&
        text.at(text.size() - 2).isHighSurrogate()) {
        last = QChar::surrogateToUcs4(text.at(text.size() - 2), text.back());
    }
    if (last > U'.') {
        text += QLatin1Char('.');
    }
    return text;
}

void ReleaseMouseMode(QWidget& window) {
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber != nullptr) {
        grabber->releaseMouse();
    }
    const auto buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->isDown()) {
            button->setDown(false);
        }
    }
}

void RunGuarded(QWidget& window, WindowDialogs& dialogs, const std::function<void()>& handler) {
    std::string message;
    try {
        handler();
        return;
    } catch (const AppError& e) {
        message = e.what();
    } catch (const std::bad_alloc&) {
        message = kOutOfMemory;
    } catch (...) {
        message = kUnknownFailure;
    }
    ReleaseMouseMode(window);
    try {
        dialogs.ShowErrorBox(&window, QString::fromUtf8(kApplicationTitle), ErrorBoxText(message));
    } catch (...) {
        // The box itself failed; there is nobody left to tell.
    }
}

}  // namespace mogran
