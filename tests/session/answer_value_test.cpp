#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app_error.h"
#include "drill_session.h"

namespace mogran {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct ReadCase {
    std::string text;
    std::int32_t expected;
};

TEST(ReadAnswerValueTest, ReadsTheLeadingNumber) {
    const ReadCase cases[] = {
        {"", 0},
        {"   ", 0},
        {"12", 12},
        {"+12", 12},
        {"012", 12},
        {"12abc", 12},
        {"12.5", 12},
        {"  12", 12},
        {"12 ", 12},
        {"1 2", 1},
        {"-12", -12},
        {"-12x", 12},  // the sign counts only when the digits end the text
        {"-12 ", 12},
        {" -12", -12},
        {"- 12", 0},
        {"-", 0},
        {"+-12", 0},
        {"-0", 0},
        {"abc", 0},
        {"$C", 12},
        {"$c", 12},
        {"$", 0},
        {" $1f", 31},
        {"$1g", 1},
        {"$-1", 0},
        {"-$5", 0},
        {"$FFFFFFF", 268435455},
        {"$FFFFFFFF", -1},
        {"$FFFFFFFFF", -1},  // the ninth digit would follow a value over 268435455
        {"$80000000", kMin},
        {"$0000000000001", 1},
        {"１２", 0},      // full-width digits
        {"\u300012", 0},  // ideographic space
        {"\t12", 0},
        {"2147483647", 2147483647},
        {"2147483648", kMin},  // 32-bit wrap-around
        {"2147483649", -2147483647},
        {"-2147483647", -2147483647},
        {"-2147483648", kMin},
        {"-2147483649", 2147483647},
        {"2147483650", 214748365},  // stops before the last digit
        {"9999999999", 999999999},
        {"-9999999999", 999999999},
        {"21474836470", 2147483647},
        {"1000000000", 1000000000},
        {"0000000000012", 12},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadAnswerValue(c.text), c.expected) << "text: '" << c.text << "'";
    }
}

struct StrictCase {
    std::string text;
    std::optional<std::int32_t> expected;  // nullopt: not an integer
};

TEST(StrToIntStrictTest, AcceptsOnlyOneWholeNumber) {
    const StrictCase cases[] = {
        {"7", 7},
        {"  7", 7},
        {"+7", 7},
        {"-5", -5},
        {"0", 0},
        {"$14", 20},
        {"$ff", 255},
        {"$FFFFFFFF", -1},
        {"$80000000", kMin},
        {"0000000000012", 12},
        {"2147483647", 2147483647},
        {"-2147483647", -2147483647},
        {"$FFFFFFFFF", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483648", std::nullopt},
        {"2147483649", std::nullopt},
        {"-2147483649", std::nullopt},
        {"9999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"10 ", std::nullopt},
        {"1 2", std::nullopt},
        {"12x", std::nullopt},
        {"12.0", std::nullopt},
        {"-", std::nullopt},
        {"- 12", std::nullopt},
        {"$", std::nullopt},
        {"$-1", std::nullopt},
        {"$1g", std::nullopt},
        {"１２", std::nullopt},
        {"\u300012", std::nullopt},
    };
    for (const StrictCase& c : cases) {
        SCOPED_TRACE("text: '" + c.text + "'");
        EXPECT_EQ(TryStrToIntStrict(c.text), c.expected);
        if (c.expected) {
            EXPECT_EQ(StrToIntStrict(c.text), *c.expected);
        } else {
            try {
                StrToIntStrict(c.text);
                ADD_FAILURE() << "no failure";
            } catch (const AppError& e) {
                EXPECT_EQ(std::string(e.what()), "'" + c.text + "' は整数ではありません");
            }
        }
    }
}

}  // namespace
}  // namespace mogran
