#pragma once

#include <QString>

class QWidget;

namespace mogran {

// The modal dialogs the window opens. The program shows real ones; a test answers them.
class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;

    // The error box: caption, the stop icon, the text as it stands and one OK button.
    virtual void ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) = 0;

    // The input box: the edited text after OK, defaultText after Cancel or close.
    virtual QString InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;
};

// The dialogs on the screen.
class QtWindowDialogs : public WindowDialogs {
public:
    void ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) override;
    QString InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
};

}  // namespace mogran
