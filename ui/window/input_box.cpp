#include "input_box.h"

#include <utility>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mogran {

namespace {

constexpr int kMaxInputLength = 255;
constexpr int kFieldWidth = 240;

InputBoxAnswerer& Answerer() {
    static InputBoxAnswerer answerer;
    return answerer;
}

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

InputBoxDialog::InputBoxDialog(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& defaultText)
    : QDialog(parent), defaultText_(defaultText) {
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Prompt"));

    field_ = new QLineEdit(defaultText, this);
    field_->setObjectName(QStringLiteral("Field"));
    field_->setMaxLength(kMaxInputLength);
    field_->setMinimumWidth(kFieldWidth);
    field_->selectAll();

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    field_->setFocus();
}

QString InputBoxDialog::Answer() const {
    return result() == QDialog::Accepted ? field_->text() : defaultText_;
}

QString RunInputBox(QWidget* parent, const QString& caption, const QString& prompt,
                    const QString& defaultText) {
    InputBoxDialog dialog(parent, caption, prompt, defaultText);
    if (Answerer()) {
        Answerer()(dialog);
    } else {
        CentreOnScreen(dialog);
        dialog.exec();
    }
    return dialog.Answer();
}

void SetInputBoxAnswerer(InputBoxAnswerer answerer) {
    Answerer() = std::move(answerer);
}

}  // namespace mogran
