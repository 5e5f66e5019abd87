#include "answer_box.h"

#include <QValidator>

namespace mogran {

namespace {

// Accepts every text, with its full-width digits made ASCII ones. One full-width digit is
// one UTF-16 unit, so the cursor keeps its place.
class HalfWidthDigits : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            if (c >= QChar(0xFF10) && c <= QChar(0xFF19)) {
                c = QChar(u'0' + (c.unicode() - 0xFF10));
            }
        }
        return Acceptable;
    }
};

}  // namespace

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(new HalfWidthDigits(this));
}

// An edit box tells the input method it takes input whenever it is editable; this one never
// does, so the input method leaves its keys alone.
QVariant AnswerBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query);
}

}  // namespace mogran
