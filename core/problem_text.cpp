#include "problem_text.h"

namespace mogran {

std::string OperatorGlyph(std::int32_t code) {
    switch (code) {
        case kPlus:
            return "＋";
        case kMinus:
            return "－";
        case kTimes:
            return "×";
        case kDivide:
            return "÷";
        default:
            return {};
    }
}

std::string ProblemText(const Problem& p) {
    std::string text;
    if (p.OpenFirst == kTrue)
        text += '(';
    text += std::to_string(p.First);
    text += OperatorGlyph(p.Op1);
    if (p.OpenSecond == kTrue)
        text += '(';
    text += std::to_string(p.Second);
    if (p.CloseSecond == kTrue)
        text += ')';
    text += OperatorGlyph(p.Op2);
    text += std::to_string(p.Third);
    if (p.CloseThird == kTrue)
        text += ')';
    return text;
}

}  // namespace mogran
