#include "problem_text.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace mogran {
namespace {

Problem Make(std::int32_t first, std::int32_t op1, std::int32_t second, std::int32_t op2,
             std::int32_t third) {
    Problem p;
    p.First = first;
    p.Op1 = op1;
    p.Second = second;
    p.Op2 = op2;
    p.Third = third;
    return p;
}

Problem AroundFirstPair(Problem p) {
    p.OpenFirst = kTrue;
    p.CloseSecond = kTrue;
    return p;
}

Problem AroundSecondPair(Problem p) {
    p.OpenSecond = kTrue;
    p.CloseThird = kTrue;
    return p;
}

TEST(ProblemTextTest, Texts) {
    struct Case {
        const char* name;
        Problem problem;
        std::string text;
    };
    Problem withAnswer = Make(3, kPlus, 4, kPlus, 2);
    withAnswer.Answer = 9;
    const Case cases[] = {
        {"kind 1", Make(3, kPlus, 4, kPlus, 2), "3＋4＋2"},
        {"multi-digit operands", Make(20, kMinus, 13, kMinus, 7), "20－13－7"},
        {"first pair", AroundFirstPair(Make(2, kPlus, 3, kTimes, 4)), "(2＋3)×4"},
        {"second pair", AroundSecondPair(Make(5, kTimes, 4, kMinus, 1)), "5×(4－1)"},
        {"zero operand", Make(12, kDivide, 3, kPlus, 0), "12÷3＋0"},
        {"cleared entry", Problem{}, "000"},
        {"unknown codes give no glyph", Make(1, 5, 2, -1, 3), "123"},
        {"answer is not written", withAnswer, "3＋4＋2"},
        {"negative value keeps its sign", Make(-4, kPlus, 0, kPlus, 2147483647),
         "-4＋0＋2147483647"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProblemText(c.problem), c.text) << c.name;
}

}  // namespace
}  // namespace mogran
