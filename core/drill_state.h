#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mogran {

// Truth values of the drill's flags and of the parenthesis markers.
inline constexpr std::int32_t kTrue = -1;
inline constexpr std::int32_t kFalse = 0;

inline constexpr std::int32_t ToFlag(bool value) {
    return value ? kTrue : kFalse;
}
inline constexpr bool IsSet(std::int32_t flag) {
    return flag != kFalse;
}

// The eleven counters and flags of the drill, in this order.
struct DrillState {
    std::int32_t TotalCount = 100;  // problems in the current set, 1..100
    std::int32_t Kind = 1;          // selected ProblemKind, 1..8
    std::int32_t CountFixed = kFalse;
    std::int32_t CountSetting = 10;  // 1..100
    std::int32_t CurrentNo = 0;      // problem on screen, 0..101
    std::int32_t AnswerShown = kFalse;
    std::int32_t MascotShown = kTrue;
    std::int32_t FirstTry = kTrue;
    std::int32_t EnterArmed = kFalse;
    std::int32_t CorrectCount = 0;
    std::int32_t SetFinished = kTrue;

    bool operator==(const DrillState&) const = default;
};

enum OperatorCode : std::int32_t {
    kPlus = 1,
    kMinus = 2,
    kTimes = 3,
    kDivide = 4,
};

// The kinds offered by the radio group, numbered from 1.
enum ProblemKind : std::int32_t {
    kAdditionOneDigit = 1,
    kSubtractionTo10 = 2,
    kSubtractionTo20 = 3,
    kAdditionSubtraction = 4,
    kWithMultiplication = 5,
    kWithDivision = 6,
    kMultiplicationDivision = 7,
    kWithParentheses = 8,
};

inline constexpr std::int32_t kFirstKind = 1;
inline constexpr std::int32_t kLastKind = 8;

// One generated problem: ten fields, in the order in which its text reads.
struct Problem {
    std::int32_t OpenFirst = 0;
    std::int32_t First = 0;
    std::int32_t Op1 = 0;
    std::int32_t OpenSecond = 0;
    std::int32_t Second = 0;
    std::int32_t CloseSecond = 0;
    std::int32_t Op2 = 0;
    std::int32_t Third = 0;
    std::int32_t CloseThird = 0;
    std::int32_t Answer = 0;

    bool operator==(const Problem&) const = default;
};

// The 100 problems of a set, numbered 1..100 (there is no problem 0).
class ProblemSet {
public:
    static constexpr std::int32_t kSize = 100;

    static constexpr bool IsValidNumber(std::int32_t n) { return n >= 1 && n <= kSize; }

    // n must be in 1..100.
    Problem& operator[](std::int32_t n) { return entries_[Index(n)]; }
    const Problem& operator[](std::int32_t n) const { return entries_[Index(n)]; }

    void Clear() { entries_.fill(Problem{}); }

    bool operator==(const ProblemSet&) const = default;

private:
    static std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n - 1); }

    std::array<Problem, kSize> entries_{};
};

}  // namespace mogran
