#include "problem_text.h"

#include <string>

#include <gtest/gtest.h>

namespace mogran {
namespace {

TEST(ProblemText, Examples) {
    const std::pair<Problem, std::string> cases[] = {
        // OpenFirst, First, Op1, OpenSecond, Second, CloseSecond, Op2, Third, CloseThird, Answer
        {{0, 3, kPlus, 0, 4, 0, kPlus, 2, 0, 9}, "3＋4＋2"},
        {{0, 20, kMinus, 0, 13, 0, kMinus, 7, 0, 0}, "20－13－7"},
        {{kTrue, 2, kPlus, 0, 3, kTrue, kTimes, 4, 0, 20}, "(2＋3)×4"},
        {{0, 5, kTimes, kTrue, 4, 0, kMinus, 1, kTrue, 15}, "5×(4－1)"},
        {{0, 12, kDivide, 0, 3, 0, kPlus, 0, 0, 4}, "12÷3＋0"},
        {{}, "000"},
    };
    for (const auto& [problem, text] : cases)
        EXPECT_EQ(ProblemText(problem), text);
}

}  // namespace
}  // namespace mogran
