#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "drill_session.h"

namespace mogran {
namespace {

// clang-format off
TEST(ReadAnswerValueTest, ReadsTheLeadingNumber) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"", 0}, {"   ", 0}, {"12", 12}, {"+12", 12}, {"012", 12}, {"12abc", 12}, {"12.5", 12},
        {"  12", 12}, {"12 ", 12}, {"1 2", 1}, {"-12", -12}, {" -12", -12}, {"-12x", 12},
        {"-12 ", 12}, {"- 12", 0}, {"-", 0}, {"+-12", 0}, {"abc", 0}, {"１２", 0},
        {"\u300012", 0}, {"\t12", 0}, {"/", 0}, {":", 0}, {"$C", 12}, {"$c", 12}, {"$", 0},
        {"$9", 9}, {"$F", 15}, {"$f", 15}, {"$A0", 160}, {"$1g", 1}, {"$G", 0}, {"$-1", 0},
        {"-$5", 0}, {"$FFFFFFF", 268435455}, {"$FFFFFFFF", -1}, {"$FFFFFFFFF", -1},
        {"$100000000", 268435456}, {"$80000000", INT32_MIN}, {"2147483647", 2147483647},
        {"2147483648", INT32_MIN}, {"-2147483648", INT32_MIN}, {"-2147483649", 2147483647},
        {"2147483650", 214748365}, {"21474836470", 2147483647}, {"-9999999999", 999999999},
        {"0000000000012", 12},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadAnswerValue(text), expected) << "text: '" << text << "'";
}

TEST(StrictCountReadingTest, AcceptsOnlyOneWholeNumber) {
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"7", 7}, {"  7", 7}, {"+7", 7}, {"-5", -5}, {"$14", 20}, {"$9", 9}, {"$F", 15},
        {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN}, {"2147483647", 2147483647},
        {"-2147483647", -2147483647}, {"0000000000012", 12}, {"$FFFFFFFFF", {}},
        {"$100000000", {}}, {"2147483648", {}}, {"-2147483648", {}}, {"9999999999", {}},
        {"", {}}, {"   ", {}}, {"abc", {}}, {"10 ", {}}, {"12x", {}}, {"-", {}}, {"$", {}},
        {"$1g", {}}, {"１２", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TryStrToIntStrict(text), expected) << "text: '" << text << "'";
}
// clang-format on

}  // namespace
}  // namespace mogran
