// mogran-problemset KIND STATE
//
// Prints the 100 problems that kind KIND yields when the random state at the first draw is
// STATE: per line the ten fields of the problem as decimal integers, then its text.
// KIND is any whole number fitting a 32-bit signed integer (digits, optionally after '-');
// STATE is 0..4294967295 (digits only). Bad arguments: a message on stderr, exit status 2.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "drill_data.h"
#include "generator.h"
#include "problem_text.h"

namespace {

constexpr int kUsageError = 2;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole decimal number of type T, the whole text and nothing else. Only '-' may lead,
// and only when allowMinus; no '+', no spaces.
template <typename T>
std::optional<T> ParseWhole(std::string_view text, bool allowMinus) {
    const std::string_view digits =
        (allowMinus && !text.empty() && text.front() == '-') ? text.substr(1) : text;
    if (digits.empty() || !IsDigit(digits.front()))
        return std::nullopt;
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

int Usage(const char* message) {
    std::fprintf(stderr, "mogran-problemset: %s (usage: mogran-problemset KIND STATE)\n", message);
    return kUsageError;
}

void PrintProblem(const mogran::Problem& p) {
    std::printf("%d %d %d %d %d %d %d %d %d %d %s\n", p.OpenFirst, p.First, p.Op1, p.OpenSecond,
                p.Second, p.CloseSecond, p.Op2, p.Third, p.CloseThird, p.Answer,
                mogran::ProblemText(p).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return Usage("expected two arguments");
    const auto kind = ParseWhole<std::int32_t>(argv[1], true);
    if (!kind)
        return Usage("KIND must be a whole number fitting a 32-bit signed integer");
    const auto state = ParseWhole<std::uint32_t>(argv[2], false);
    if (!state)
        return Usage("STATE must be a whole number from 0 to 4294967295");

    // The state is the one at the first draw: a print in progress keeps the clock out.
    mogran::DrillData data;
    data.printInProgress = true;
    data.random.RandomState = *state;
    mogran::GenerateProblemSet(data, *kind);

    for (std::int32_t n = 1; n <= mogran::ProblemSet::kSize; ++n)
        PrintProblem(data.problemSet[n]);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
