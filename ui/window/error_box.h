#pragma once

#include <functional>
#include <string>

#include <QString>

class QWidget;

namespace mogran {

// The text shown for a failure message: a "." is added when the message is not empty and its
// last character's code is above that of ".".
QString ErrorBoxText(const std::string& message);

// Shows the error box: the application title as caption, the stop icon, one OK button.
void ShowErrorBox(QWidget* parent, const QString& text);

// Test seam: when set, ShowErrorBox calls this instead of opening the modal box.
using ErrorBoxHook = std::function<void(const QString& caption, const QString& text)>;
void SetErrorBoxHook(ErrorBoxHook hook);

// Cancels a mouse capture and springs back pressed buttons inside the window.
void ReleaseMouseMode(QWidget& window);

// Runs one event handler: a failure ends it, and the error box reports it. Nothing escapes.
void RunGuarded(QWidget& window, const std::function<void()>& handler);

}  // namespace mogran
