#include "generator.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "generate_from.h"
#include "problem_text.h"

namespace mogran {
namespace {

// Works out a problem text the way a pupil reads it: parentheses first, then × and ÷
// before ＋ and －, otherwise left to right. Empty when a division is not exact or by zero,
// when any intermediate value is negative, or when the text is not a well-formed problem.
class TextEvaluator {
public:
    explicit TextEvaluator(std::string_view text) : text_(text) {}

    std::optional<std::int64_t> Evaluate() {
        const auto value = Expression();
        if (!value || pos_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    bool Take(std::string_view token) {
        if (text_.substr(pos_).substr(0, token.size()) != token)
            return false;
        pos_ += token.size();
        return true;
    }

    std::optional<std::int64_t> Expression() {
        auto value = Term();
        while (value) {
            const bool plus = Take("＋");
            if (!plus && !Take("－"))
                break;
            const auto right = Term();
            if (!right)
                return std::nullopt;
            value = plus ? *value + *right : *value - *right;
            if (*value < 0)
                return std::nullopt;
        }
        return value;
    }

    std::optional<std::int64_t> Term() {
        auto value = Factor();
        while (value) {
            const bool times = Take("×");
            if (!times && !Take("÷"))
                break;
            const auto right = Factor();
            if (!right)
                return std::nullopt;
            if (times) {
                value = *value * *right;
            } else {
                if (*right == 0 || *value % *right != 0)
                    return std::nullopt;
                value = *value / *right;
            }
        }
        return value;
    }

    std::optional<std::int64_t> Factor() {
        if (Take("(")) {
            const auto value = Expression();
            if (!value || !Take(")"))
                return std::nullopt;
            return value;
        }
        const std::size_t start = pos_;
        std::int64_t value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (pos_ == start)
            return std::nullopt;
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

TEST(TextEvaluatorTest, FollowsPrecedenceAndRejectsBadSteps) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"2＋3×4", 14},   {"(2＋3)×4", 20}, {"5×(4－1)", 15}, {"12÷3＋0", 4},
        {"9－3－2", 4},   {"8÷4÷2", 1},     {"2－5＋7", {}},  {"7÷2×2", {}},
        {"3÷(1－1)", {}}, {"(1＋2", {}},    {"1＋", {}},      {"1＋2×3－7", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextEvaluator(text).Evaluate(), value) << text;
}

using OperatorPair = std::pair<std::int32_t, std::int32_t>;

struct KindRules {
    std::int32_t kind;
    std::set<OperatorPair> pairs;
    // Largest values the kind can produce; each is reached by some sample set.
    std::int32_t maxFirst, maxSecond, maxThird, maxAnswer;
    // Different problems under the kind's duplicate rule, and how many of them the sample
    // sets must show at least (all but a few rare ones of kind 8).
    std::size_t distinct, distinctSeen;
};

// clang-format off
const KindRules kKinds[] = {
    {1, {{kPlus, kPlus}}, 9, 9, 9, 27, 1000, 1000},
    {2, {{kMinus, kMinus}}, 10, 9, 9, 10, 284, 284},
    {3, {{kMinus, kMinus}}, 20, 19, 19, 20, 1769, 1769},
    {4, {{kPlus, kPlus}, {kPlus, kMinus}, {kMinus, kPlus}, {kMinus, kMinus}},
     10, 10, 10, 30, 1331, 1331},
    {5, {{kTimes, kPlus}, {kTimes, kMinus}, {kPlus, kTimes}, {kMinus, kTimes}},
     10, 10, 10, 110, 4041, 4041},
    {6, {{kDivide, kPlus}, {kDivide, kMinus}, {kPlus, kDivide}, {kMinus, kDivide}},
     81, 81, 10, 19, 2754, 2754},
    {7, {{kTimes, kTimes}, {kTimes, kDivide}, {kDivide, kDivide}, {kDivide, kTimes}},
     225, 36, 9, 729, 2575, 2575},
    {8, {{kPlus, kTimes}, {kPlus, kDivide}, {kMinus, kTimes}, {kMinus, kDivide},
         {kTimes, kPlus}, {kTimes, kMinus}, {kDivide, kPlus}, {kDivide, kMinus}},
     90, 81, 9, 162, 6835, 6800},
};
// clang-format on

// The fields two problems of a set must share to count as the same problem, packed into one
// number (every field fits in 10 bits).
std::uint64_t DuplicateKey(std::int32_t kind, const Problem& p) {
    std::vector<std::int32_t> fields{p.First, p.Second, p.Third};
    if (kind >= 5) {
        fields.push_back(p.Op1);
        fields.push_back(p.Op2);
    }
    if (kind == 8)
        fields.push_back(p.OpenFirst);
    std::uint64_t key = 0;
    for (std::int32_t f : fields)
        key = key << 10 | (static_cast<std::uint64_t>(f) & 0x3FF);
    return key;
}

bool IsAdditive(std::int32_t op) {
    return op == kPlus || op == kMinus;
}

// The random state at the first draw of the i-th sample set.
std::uint32_t SampleState(std::uint32_t i) {
    return i * 2654435761u + 12345u;
}

constexpr std::uint32_t kSampleSets = 2000;

// The first rule of its kind that a generated problem breaks, or nullptr.
const char* BrokenRule(const KindRules& rules, const Problem& p) {
    if (!rules.pairs.count({p.Op1, p.Op2}))
        return "operator pair";
    if (std::min({p.First, p.Second, p.Third, p.Answer}) < 0)
        return "negative value";
    if (p.First > rules.maxFirst || p.Second > rules.maxSecond || p.Third > rules.maxThird ||
        p.Answer > rules.maxAnswer)
        return "value out of range";
    if (TextEvaluator(ProblemText(p)).Evaluate() != p.Answer)
        return "answer is not the value of the text";

    for (std::int32_t m : {p.OpenFirst, p.OpenSecond, p.CloseSecond, p.CloseThird}) {
        if (m != kTrue && m != kFalse)
            return "marker neither -1 nor 0";
    }
    const bool noMarkers = p.OpenFirst == kFalse && p.CloseSecond == kFalse &&
                           p.OpenSecond == kFalse && p.CloseThird == kFalse;
    if (rules.kind != 8)
        return noMarkers ? nullptr : "markers outside kind 8";
    // Exactly one matching pair, around the ＋/－ step.
    const bool firstPair = p.OpenFirst == kTrue && p.CloseSecond == kTrue &&
                           p.OpenSecond == kFalse && p.CloseThird == kFalse;
    const bool secondPair = p.OpenSecond == kTrue && p.CloseThird == kTrue &&
                            p.OpenFirst == kFalse && p.CloseSecond == kFalse;
    if (!(firstPair || secondPair))
        return "not one matching marker pair";
    if (firstPair != IsAdditive(p.Op1) || secondPair != IsAdditive(p.Op2))
        return "parentheses not around the additive step";
    return nullptr;
}

// Kind 6: divisor and quotient 1..9, the operand outside the division 0..10.
const char* BrokenDivision(const Problem& p) {
    const bool divisionFirst = p.Op1 == kDivide;
    const std::int32_t dividend = divisionFirst ? p.First : p.Second;
    const std::int32_t divisor = divisionFirst ? p.Second : p.Third;
    const std::int32_t other = divisionFirst ? p.Third : p.First;
    if (divisor < 1 || divisor > 9 || dividend % divisor != 0)
        return "divisor";
    if (dividend / divisor < 1 || dividend / divisor > 9)
        return "quotient";
    return other > 10 ? "operand outside the division" : nullptr;
}

TEST(GeneratorTest, EveryKindKeepsItsRulesOverManySets) {
    for (const KindRules& rules : kKinds) {
        SCOPED_TRACE("kind " + std::to_string(rules.kind));
        std::set<OperatorPair> pairsSeen;
        std::set<std::uint64_t> problemsSeen;
        KindRules largest{rules.kind, {}, 0, 0, 0, 0, 0, 0};
        for (std::uint32_t i = 0; i < kSampleSets; ++i) {
            const DrillData data = GenerateFrom(SampleState(i), rules.kind);
            std::set<std::uint64_t> keys;
            for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
                const Problem& p = data.problemSet[n];
                const char* broken = BrokenRule(rules, p);
                if (!broken && rules.kind == 6)
                    broken = BrokenDivision(p);
                if (!broken && !keys.insert(DuplicateKey(rules.kind, p)).second)
                    broken = "duplicate";
                ASSERT_EQ(broken, nullptr) << broken << ": state " << SampleState(i) << ", problem "
                                           << n << ": " << ProblemText(p);

                pairsSeen.insert({p.Op1, p.Op2});
                problemsSeen.insert(DuplicateKey(rules.kind, p));
                largest.maxFirst = std::max(largest.maxFirst, p.First);
                largest.maxSecond = std::max(largest.maxSecond, p.Second);
                largest.maxThird = std::max(largest.maxThird, p.Third);
                largest.maxAnswer = std::max(largest.maxAnswer, p.Answer);
            }
        }
        EXPECT_EQ(pairsSeen, rules.pairs);
        EXPECT_EQ(
            std::tie(largest.maxFirst, largest.maxSecond, largest.maxThird, largest.maxAnswer),
            std::tie(rules.maxFirst, rules.maxSecond, rules.maxThird, rules.maxAnswer));
        EXPECT_LE(problemsSeen.size(), rules.distinct);
        EXPECT_GE(problemsSeen.size(), rules.distinctSeen);
    }
}

TEST(GeneratorTest, CountersOfANewSet) {
    struct Case {
        std::int32_t kind;
        std::int32_t countFixed;
        std::int32_t totalBefore;
        std::int32_t totalAfter;
    };
    const Case cases[] = {
        {1, kFalse, 30, 100},  {1, kTrue, 30, 30},   {8, kTrue, 1, 1},
        {8, kFalse, 100, 100}, {0, kFalse, 30, 100}, {9, kTrue, 30, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        DrillData data;
        data.printInProgress = true;
        DrillState& s = data.state;
        s = DrillState{30, 5, c.countFixed, 42, 17, kTrue, kFalse, kFalse, kTrue, 9, kTrue};
        s.TotalCount = c.totalBefore;
        DrillState expected = s;
        expected.TotalCount = c.totalAfter;
        expected.SetFinished = kFalse;
        expected.CorrectCount = 0;

        GenerateProblemSet(data, c.kind);
        EXPECT_EQ(s, expected);
        // Every record is filled, however short the set is.
        if (c.kind >= kFirstKind && c.kind <= kLastKind) {
            for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
                EXPECT_NE(data.problemSet[n].Op1, 0) << n;
            }
        }
    }
}

TEST(GeneratorTest, KindOutsideTheRadioGroupLeavesTheTableZero) {
    for (std::int32_t kind : {0, 9, -1, INT_MIN, INT_MAX}) {
        DrillData data = GenerateFrom(4242, 8);  // a full table from an earlier set
        data.random.RandomState = 4242;
        GenerateProblemSet(data, kind);
        EXPECT_EQ(data.problemSet, ProblemSet{}) << kind;
        EXPECT_EQ(data.random.RandomState, 4242u) << "no draws for kind " << kind;
        EXPECT_EQ(data.state.SetFinished, kFalse);
    }
}

TEST(GeneratorTest, ReseedsFromTheClockUnlessPrinting) {
    int clockReads = 0;
    DrillData data;
    data.random.SetClock([&] {
        ++clockReads;
        return TimeOfDay{12, 34, 56, 789};
    });
    data.random.RandomState = 99;
    GenerateProblemSet(data, 6);
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(data.problemSet, GenerateFrom(45296789u, 6).problemSet);

    data.printInProgress = true;
    data.random.RandomState = 99;
    GenerateProblemSet(data, 6);
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(data.problemSet, GenerateFrom(99, 6).problemSet);
}

}  // namespace
}  // namespace mogran
