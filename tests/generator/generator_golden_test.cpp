// Sets pinned to the exact order of draws. The expected records were worked out draw by
// draw from the recipes, independently of the generator and of its random source;
// the comments list the draws, R(n) being one RandomBelow(n).

#include <cstdint>

#include <gtest/gtest.h>

#include "generate_from.h"
#include "generator.h"
#include "problem_text.h"

namespace mogran {
namespace {

TEST(GeneratorGoldenTest, RecordsFromChosenStates) {
    struct Case {
        std::int32_t kind;
        std::uint32_t state;
        std::int32_t number;
        Problem expected;  // OpenFirst, First, Op1, OpenSecond, Second, CloseSecond, Op2,
                           // Third, CloseThird, Answer
        const char* how;
    };
    // clang-format off
    const Case cases[] = {
        {1, 0, 1, {0, 0, 1, 0, 0, 0, 1, 8, 0, 8}, "R(10) 0 0 8"},
        {1, 0, 2, {0, 2, 1, 0, 2, 0, 1, 6, 0, 10}, "R(10) 2 2 6"},
        {2, 0, 1, {0, 4, 2, 0, 0, 0, 2, 4, 0, 0},
         "0-0-8, 2-2-6, 3-1-3 rejected; R(11) 4, R(10) 0, R(10) 4"},
        {3, 0, 1, {0, 20, 2, 0, 13, 0, 2, 6, 0, 1},
         "22 rejected (0-0-17, 4-5-13, ...); R(21) 20, R(20) 13, R(20) 6"},
        {4, 0, 3, {0, 7, 1, 0, 9, 0, 1, 7, 0, 23},
         "0-5+0 and 3-10+4 rejected; R(11) 7 9 7, R(2) 0 0"},
        {5, 0, 3, {0, 4, 3, 0, 4, 0, 2, 0, 0, 16}, "R(11) 4 4 0, form 1"},
        {6, 0, 1, {0, 21, 4, 0, 3, 0, 1, 9, 0, 16},
         "R(11) 0 0 9, form 0, d 3, q 7: Third keeps its draw"},
        {6, 0, 3, {0, 36, 4, 0, 9, 0, 2, 0, 0, 4}, "R(11) 0 9 0, form 1, d 9, q 4"},
        {7, 0, 2, {0, 1, 3, 0, 7, 0, 4, 7, 0, 1}, "form 1: Third 7, k 1, First 1"},
        {8, 9, 1, {-1, 8, 2, 0, 8, -1, 3, 4, 0, 0},
         "form 2: pair 4,9 drawn again, 8,8 kept; Third 4"},
        {8, 68, 1, {-1, 0, 1, 0, 0, -1, 4, 5, 0, 0}, "form 1: Third 5, q 0, R(1) 0"},
        {8, 310, 2, {0, 6, 4, -1, 6, 0, 2, 4, -1, 3},
         "form 7: pairs 2,6 3,9 8,8 1,8 drawn again, 6,4 kept; k 3"},
        {8, 310, 5, {-1, 9, 2, 0, 8, -1, 3, 7, 0, 7},
         "form 7 6,4 k 3 duplicates problem 2; form 2: 1,3 again, 9,8, Third 7"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Problem got = GenerateFrom(c.state, c.kind).problemSet[c.number];
        EXPECT_EQ(got, c.expected) << "kind " << c.kind << " from " << c.state << ", problem "
                                   << c.number << " (" << c.how << "): got " << ProblemText(got);
    }
}

// Folds every field of every record, in order, into one number: h := h * 31 + field (mod 2^32).
std::uint32_t Fingerprint(const ProblemSet& set) {
    std::uint32_t h = 0;
    for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
        const Problem& p = set[n];
        for (std::int32_t field : {p.OpenFirst, p.First, p.Op1, p.OpenSecond, p.Second,
                                   p.CloseSecond, p.Op2, p.Third, p.CloseThird, p.Answer}) {
            h = h * 31u + static_cast<std::uint32_t>(field);
        }
    }
    return h;
}

// Whole sets: the state after the set pins the number of draws of every candidate, rejected
// or not; the fingerprint pins every field, the last record shows where a set goes wrong.
TEST(GeneratorGoldenTest, WholeSetsFromState12345) {
    struct Case {
        std::int32_t kind;
        std::uint32_t stateAfter;
        std::uint32_t fingerprint;
        Problem last;
    };
    // clang-format off
    const Case cases[] = {
        {1, 674294433u, 3327627482u, {0, 7, 1, 0, 3, 0, 1, 1, 0, 11}},
        {2, 4155460912u, 1593965870u, {0, 9, 2, 0, 0, 0, 2, 9, 0, 0}},
        {3, 459748648u, 3855202522u, {0, 18, 2, 0, 2, 0, 2, 2, 0, 14}},
        {4, 240189043u, 2481911347u, {0, 9, 2, 0, 8, 0, 1, 5, 0, 6}},
        {5, 1904163393u, 1989595902u, {0, 2, 3, 0, 6, 0, 2, 6, 0, 6}},
        {6, 3037877569u, 1177932827u, {0, 42, 4, 0, 6, 0, 1, 8, 0, 15}},
        {7, 2339662797u, 2897328280u, {0, 5, 3, 0, 3, 0, 4, 3, 0, 5}},
        {8, 3044615023u, 2336758997u, {-1, 26, 1, 0, 10, -1, 4, 4, 0, 9}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const DrillData data = GenerateFrom(12345u, c.kind);
        EXPECT_EQ(data.random.RandomState, c.stateAfter) << "kind " << c.kind;
        EXPECT_EQ(Fingerprint(data.problemSet), c.fingerprint) << "kind " << c.kind;
        EXPECT_EQ(data.problemSet[100], c.last)
            << "kind " << c.kind << ": got " << ProblemText(data.problemSet[100]);
    }
}

}  // namespace
}  // namespace mogran
