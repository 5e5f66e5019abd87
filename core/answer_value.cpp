// Reading integers from typed texts: the lenient reading of an answer and the strict
// reading of the problem count.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drill_session.h"

namespace mogran {

namespace {

// No further digit is taken once the value read so far exceeds these.
constexpr std::uint32_t kDecimalLimit = 214748364;
constexpr std::uint32_t kHexLimit = 268435455;

constexpr std::int64_t kStrictMin = -2147483647;
constexpr std::int64_t kStrictMax = 2147483647;

struct Reading {
    std::int32_t value = 0;   // what the lenient reading returns
    std::int64_t exact = 0;   // decimal: the signed value without 32-bit wrap-around
    bool hex = false;         // the number was written after "$"
    bool digitRead = false;   // at least one digit was taken
    bool reachedEnd = false;  // reading stopped at the end of the text
    bool limitHit = false;    // a digit was left because the value had grown too large
};

int DecimalDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The digits are taken into a 32-bit unsigned value: 214748364 * 10 + 9 and
// 268435455 * 16 + 15 both still fit, and the conversion to a signed value gives the
// 32-bit wrap-around of signed arithmetic.
Reading Read(std::string_view text) {
    Reading r;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;

    if (i < text.size() && text[i] == '$') {
        r.hex = true;
        std::uint32_t value = 0;
        for (++i; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0)
                break;
            if (value > kHexLimit) {
                r.limitHit = true;
                break;
            }
            value = value * 16 + static_cast<std::uint32_t>(digit);
            r.digitRead = true;
        }
        r.reachedEnd = i == text.size();
        r.value = static_cast<std::int32_t>(value);
        return r;
    }

    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DecimalDigit(text[i]);
        if (digit < 0)
            break;
        if (value > kDecimalLimit) {
            r.limitHit = true;
            break;
        }
        value = value * 10 + static_cast<std::uint32_t>(digit);
        r.digitRead = true;
    }
    r.reachedEnd = i == text.size();
    r.exact = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    // The sign counts only when the digits run to the end of the text.
    if (r.reachedEnd && r.digitRead && negative) {
        r.value = static_cast<std::int32_t>(0u - value);
    } else {
        r.value = static_cast<std::int32_t>(value);
    }
    return r;
}

}  // namespace

std::int32_t ReadAnswerValue(std::string_view text) {
    return Read(text).value;
}

std::optional<std::int32_t> TryStrToIntStrict(std::string_view text) {
    const Reading r = Read(text);
    if (!r.digitRead || !r.reachedEnd || r.limitHit)
        return std::nullopt;
    if (r.hex)
        return r.value;
    if (r.exact < kStrictMin || r.exact > kStrictMax)
        return std::nullopt;
    return static_cast<std::int32_t>(r.exact);
}

std::string NotAnIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' は整数ではありません";
}

}  // namespace mogran
