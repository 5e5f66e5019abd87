#pragma once

#include <QLineEdit>

namespace mogran {

// The answer box: an edit box the input method takes no part in, so that keys arrive as
// typed whatever state the input method is in. Full-width digits ０–９ that enter all the
// same (pasted, or committed by an input method that cannot be kept out) become the ASCII
// digits the drill reads; nothing else in the text is changed.
class AnswerBox : public QLineEdit {
public:
    explicit AnswerBox(QWidget* parent = nullptr);

    using QLineEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};

}  // namespace mogran
