#include "input_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mogran {

namespace {

constexpr int kMaxInputLength = 255;
constexpr int kFieldWidth = 240;

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

}  // namespace mogran
