#include "error_box.h"

#include <QAbstractButton>
#include <QWidget>

#include "app_identity.h"
#include "error_text.h"
#include "window_dialogs.h"

namespace mogran {

QString ErrorBoxText(const std::string& message) {
    return QString::fromStdString(WithFullStop(message));
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
    } catch (...) {
        message = CurrentFailureMessage();
    }
    ReleaseMouseMode(window);
    try {
        dialogs.ShowErrorBox(&window, QString::fromUtf8(kApplicationTitle), ErrorBoxText(message));
    } catch (...) {
        // The box itself failed; there is nobody left to tell.
    }
}

}  // namespace mogran
