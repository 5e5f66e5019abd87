#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace mogran {

// A small modal dialog asking for one line of text.
class InputBoxDialog : public QDialog {
    Q_OBJECT
public:
    InputBoxDialog(QWidget* parent, const QString& caption, const QString& prompt,
                   const QString& defaultText);

    // The edited text after OK; the default text after Cancel or close.
    QString Answer() const;

    QLineEdit* Field() const { return field_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QString defaultText_;
    QLineEdit* field_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace mogran
