#include "window_dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include "input_box.h"

namespace mogran {

namespace {

void CentreOnScreen(QWidget& dialog) {
    dialog.adjustSize();
    QScreen* screen =
        dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

}  // namespace

void QtWindowDialogs::ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    // The message may carry the pupil's own typing; show it as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtWindowDialogs::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                  const QString& defaultText) {
    InputBoxDialog dialog(parent, caption, prompt, defaultText);
    CentreOnScreen(dialog);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace mogran
