// Feeds arbitrary texts to the answer reading and the strict count reading and checks
// what each may return.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app_error.h"
#include "drill_session.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The 32-bit signed value with the same low 32 bits.
std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The shape of the text after its leading spaces: an optional "$" or sign, then a run of
// digits of the matching base.
struct Shape {
    bool hex = false;
    bool minus = false;
    std::size_t digits = 0;       // length of the digit run
    std::size_t significant = 0;  // digits after the leading zeros
    bool digitsEndText = false;   // nothing follows the digit run
    std::int64_t smallValue = 0;  // the value of the first nine significant digits
    std::int64_t firstTen = 0;    // the value of the first ten significant digits
    std::int64_t firstEight = 0;  // the value of the first eight significant digits
};

Shape ShapeOf(std::string_view text) {
    Shape s;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && text[i] == '$') {
        s.hex = true;
        ++i;
    } else if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        s.minus = text[i] == '-';
        ++i;
    }
    const int base = s.hex ? 16 : 10;
    for (; i < text.size() && (s.hex ? IsHexDigit(text[i]) : IsDigit(text[i])); ++i) {
        const char c = text[i];
        const int digit = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        ++s.digits;
        if (s.significant > 0 || digit != 0)
            ++s.significant;
        if (s.significant <= 9)
            s.smallValue = s.smallValue * base + digit;
        if (s.significant <= 10)
            s.firstTen = s.firstTen * base + digit;
        if (s.significant <= 8)
            s.firstEight = s.firstEight * base + digit;
    }
    s.digitsEndText = i == text.size();
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    const Shape shape = ShapeOf(text);
    const std::int32_t read = mogran::ReadAnswerValue(text);

    if (shape.digits == 0)
        Check(read == 0);
    if (shape.hex) {
        // Seven significant hex digits are read in full; the eighth completes a 32-bit
        // pattern and nothing after it is taken.
        if (shape.significant <= 7)
            Check(read == shape.smallValue);
        else
            Check(read == Wrap(shape.firstEight));
    } else if (shape.significant <= 9) {
        // The sign counts only when the digits end the text.
        const bool signApplies = shape.minus && shape.digitsEndText && shape.digits > 0;
        Check(read == (signApplies ? -shape.smallValue : shape.smallValue));
    } else if (shape.smallValue > 214748364) {
        // The tenth digit is left, so the number did not end the text: no sign.
        Check(read == shape.smallValue);
    } else {
        // Ten digits wrap around in 32 bits; the sign counts only when they end the text.
        const bool signApplies = shape.minus && shape.digitsEndText && shape.significant == 10;
        Check(read == Wrap(signApplies ? -shape.firstTen : shape.firstTen));
    }
    // A long number never reads as a value from 0 to 214748364.
    if (!shape.hex && shape.significant > 9)
        Check(read < 0 || read > 214748364);

    std::optional<std::int32_t> strict;
    try {
        strict = mogran::StrToIntStrict(text);
    } catch (const mogran::AppError& e) {
        // what() ends at the first NUL byte of the text.
        const std::string expected = "'" + text + "' は整数ではありません";
        Check(std::string(e.what()) == expected.c_str());
    }
    Check(strict == mogran::TryStrToIntStrict(text));
    if (strict) {
        // Only one whole number succeeds, and it reads as the answer reading reads it.
        Check(shape.digits > 0 && shape.digitsEndText);
        Check(*strict == read);
        if (!shape.hex) {
            Check(shape.significant <= 10);
            Check(*strict != INT32_MIN);
        } else {
            Check(shape.significant <= 8);
        }
    } else if (shape.digits > 0 && shape.digitsEndText) {
        // A whole number fails only when it is too long.
        Check(shape.significant > (shape.hex ? 8 : 9));
    }
    return 0;
}
