#include "qt_print_prompts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace mogran {

namespace {

// A message box that tells a close by its frame (close box, Alt+F4) from a button, and
// stands in the middle of the screen.
class ConfirmationBox : public QMessageBox {
public:
    ConfirmationBox(QMessageBox::Icon icon, const char* title, const char* text, QWidget* parent)
        : QMessageBox(parent) {
        setIcon(icon);
        setWindowTitle(QString::fromUtf8(title));
        setTextFormat(Qt::PlainText);
        // The lines are separated by CR LF LF; shown as one blank line between them.
        setText(QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    // Buttons keep the order in which they are added, centred in their row, whatever the
    // platform's usual order of roles.
    QPushButton* AddButton(const QString& caption) {
        QPushButton* button = addButton(caption, QMessageBox::ActionRole);
        if (auto* row = findChild<QDialogButtonBox*>())
            row->setCenterButtons(true);
        return button;
    }

    bool ClosedByFrame() const { return closedByFrame_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        closedByFrame_ = true;
        QMessageBox::closeEvent(event);
    }

    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }

private:
    bool closedByFrame_ = false;
};

struct Answer {
    QAbstractButton* button;
    int result;
};

int Run(ConfirmationBox& box, std::initializer_list<Answer> answers) {
    box.exec();
    if (box.ClosedByFrame())
        return kModalCancel;
    for (const Answer& a : answers) {
        if (box.clickedButton() == a.button)
            return a.result;
    }
    return kModalCancel;
}

}  // namespace

QtPrintPrompts::QtPrintPrompts(QWidget& window) : window_(&window) {}

QtPrintPrompts::~QtPrintPrompts() = default;

int QtPrintPrompts::ShowDialog1() {
    ConfirmationBox box(QMessageBox::Information, kDialog1Title, kDialog1Text, window_);
    QPushButton* ok = box.AddButton(QStringLiteral("OK"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    return Run(box, {{ok, kModalOk}});
}

int QtPrintPrompts::ShowDialog2() {
    ConfirmationBox box(QMessageBox::Warning, kDialog2Title, kDialog2Text, window_);
    QPushButton* yes = box.AddButton(QStringLiteral("はい(&Y)"));
    QPushButton* no = box.AddButton(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    return Run(box, {{yes, kModalYes}, {no, kModalNo}});
}

void QtPrintPrompts::FlushDisplay() {
    if (window_ != nullptr)
        window_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPrintPrompts::BeginBusy() {
    if (window_ != nullptr && !busy_)
        busy_ = std::make_unique<InputBlockScope>(*window_);
}

void QtPrintPrompts::EndBusy() {
    if (busy_)
        busy_->DiscardPendingInput();
    busy_.reset();
}

}  // namespace mogran
