#pragma once

#include <functional>
#include <string>

#include <QString>

class QWidget;

namespace mogran {

class WindowDialogs;

// The text shown for a failure message: a "." is added when the message is not empty and its
// last character's code is above that of ".".
QString ErrorBoxText(const std::string& message);

// Cancels a mouse capture and springs back pressed buttons inside the window.
void ReleaseMouseMode(QWidget& window);

// Runs one event handler: a failure ends it, and the error box reports it, with the
// application title as caption. Nothing escapes.
void RunGuarded(QWidget& window, WindowDialogs& dialogs, const std::function<void()>& handler);

}  // namespace mogran
