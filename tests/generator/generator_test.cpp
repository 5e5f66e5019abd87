#include "generator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "drill_data.h"
#include "problem_text.h"

namespace mogran {
namespace {

// The set a kind yields from the given random state at its first draw (a print in progress
// keeps the clock out).
DrillData GenerateFrom(std::uint32_t state, std::int32_t kind) {
    DrillData data;
    data.printInProgress = true;
    data.random.RandomState = state;
    GenerateProblemSet(data, kind);
    return data;
}

// One step as a pupil works it out; nothing for a negative result or an inexact division.
std::optional<std::int64_t> Apply(std::optional<std::int64_t> a, std::int32_t op,
                                  std::optional<std::int64_t> b) {
    if (!a || !b || (op == kMinus && *a < *b) || (op == kDivide && (*b == 0 || *a % *b != 0)))
        return std::nullopt;
    return op == kPlus ? *a + *b : op == kMinus ? *a - *b : op == kTimes ? *a * *b : *a / *b;
}

// The value of a problem: parentheses first, then × and ÷ before ＋ and －, else left to right.
std::optional<std::int64_t> Value(const Problem& p) {
    if (p.OpenSecond == kTrue || (p.OpenFirst != kTrue && p.Op1 <= kMinus && p.Op2 >= kTimes))
        return Apply(p.First, p.Op1, Apply(p.Second, p.Op2, p.Third));
    return Apply(Apply(p.First, p.Op1, p.Second), p.Op2, p.Third);
}

struct KindRules {
    std::int32_t kind;
    std::set<std::pair<std::int32_t, std::int32_t>> operators;
    std::int64_t largestAnswer;
};

// clang-format off
const KindRules kKinds[] = {
    {1, {{kPlus, kPlus}}, 27},
    {2, {{kMinus, kMinus}}, 10},
    {3, {{kMinus, kMinus}}, 20},
    {4, {{kPlus, kPlus}, {kPlus, kMinus}, {kMinus, kPlus}, {kMinus, kMinus}}, 30},
    {5, {{kTimes, kPlus}, {kTimes, kMinus}, {kPlus, kTimes}, {kMinus, kTimes}}, 110},
    {6, {{kDivide, kPlus}, {kDivide, kMinus}, {kPlus, kDivide}, {kMinus, kDivide}}, 19},
    {7, {{kTimes, kTimes}, {kTimes, kDivide}, {kDivide, kDivide}, {kDivide, kTimes}}, 729},
    {8, {{kPlus, kTimes}, {kPlus, kDivide}, {kMinus, kTimes}, {kMinus, kDivide},
         {kTimes, kPlus}, {kTimes, kMinus}, {kDivide, kPlus}, {kDivide, kMinus}}, 162},
};
// clang-format on

// The fields two problems of a set must share to be the same problem.
std::vector<std::int32_t> DuplicateKey(std::int32_t kind, const Problem& p) {
    std::vector<std::int32_t> key{p.First, p.Second, p.Third};
    if (kind >= 5)
        key.insert(key.end(), {p.Op1, p.Op2});
    if (kind == 8)
        key.push_back(p.OpenFirst);
    return key;
}

// OpenFirst, CloseSecond, OpenSecond, CloseThird as a problem of the kind must have them:
// only kind 8 has parentheses, always around its ＋ or － step.
std::array<std::int32_t, 4> Markers(std::int32_t kind, const Problem& p) {
    if (kind != 8)
        return {};
    const std::int32_t first = p.Op1 <= kMinus ? kTrue : kFalse;
    return {first, first, kTrue - first, kTrue - first};
}

TEST(GenerateProblemSet, EveryProblemKeepsItsKindsRules) {
    for (const KindRules& rules : kKinds) {
        for (std::uint32_t i = 0; i < 1000; ++i) {
            const std::uint32_t state = i * 2654435761u + 12345u;
            const DrillData data = GenerateFrom(state, rules.kind);
            std::set<std::vector<std::int32_t>> seen;
            for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
                const Problem& p = data.problemSet[n];
                const std::array markers = {p.OpenFirst, p.CloseSecond, p.OpenSecond, p.CloseThird};
                ASSERT_TRUE(rules.operators.count({p.Op1, p.Op2}) && Value(p) == p.Answer &&
                            std::min({p.First, p.Second, p.Third}) >= 0 &&
                            p.Answer <= rules.largestAnswer && markers == Markers(rules.kind, p) &&
                            seen.insert(DuplicateKey(rules.kind, p)).second)
                    << "kind " << rules.kind << " from " << state << ", problem " << n << ": "
                    << ProblemText(p) << " = " << p.Answer;
            }
        }
    }
}

// Folds every field of every record, in order, into one number: h := h * 31 + field.
std::uint32_t Fingerprint(const ProblemSet& set) {
    std::uint32_t h = 0;
    for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
        const Problem& p = set[n];
        for (std::int32_t field : {p.OpenFirst, p.First, p.Op1, p.OpenSecond, p.Second,
                                   p.CloseSecond, p.Op2, p.Third, p.CloseThird, p.Answer})
            h = h * 31u + static_cast<std::uint32_t>(field);
    }
    return h;
}

// Whole sets pinned to the exact order of draws: the state after the set counts the draws
// of every candidate, kept or dropped; the fingerprint holds every field.
TEST(GenerateProblemSet, GoldenSetsFromState12345) {
    const std::array<std::uint32_t, 3> cases[] = {
        // kind, state after, fingerprint
        {1, 674294433u, 3327627482u},  {2, 4155460912u, 1593965870u}, {3, 459748648u, 3855202522u},
        {4, 240189043u, 2481911347u},  {5, 1904163393u, 1989595902u}, {6, 3037877569u, 1177932827u},
        {7, 2339662797u, 2897328280u}, {8, 3044615023u, 2336758997u},
    };
    for (const auto& [kind, stateAfter, fingerprint] : cases) {
        const DrillData data = GenerateFrom(12345u, static_cast<std::int32_t>(kind));
        EXPECT_EQ(data.random.RandomState, stateAfter) << "kind " << kind;
        EXPECT_EQ(Fingerprint(data.problemSet), fingerprint) << "kind " << kind;
    }
}

TEST(GenerateProblemSet, ReseedsFromTheClockUnlessPrinting) {
    DrillData data;
    data.random.SetClock([] { return TimeOfDay{12, 34, 56, 789}; });
    GenerateProblemSet(data, 6);
    EXPECT_EQ(data.problemSet, GenerateFrom(45296789u, 6).problemSet);
    data.printInProgress = true;
    data.random.RandomState = 99;
    GenerateProblemSet(data, 6);
    EXPECT_EQ(data.problemSet, GenerateFrom(99u, 6).problemSet);
}

TEST(GenerateProblemSet, KindOutsideOneToEightLeavesTheTableZero) {
    for (std::int32_t kind : {0, 9}) {
        DrillData data = GenerateFrom(4242u, 8);
        GenerateProblemSet(data, kind);
        EXPECT_EQ(data.problemSet, ProblemSet{}) << kind;
    }
}

}  // namespace
}  // namespace mogran
