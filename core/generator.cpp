#include "generator.h"

namespace mogran {

namespace {

// One candidate of a recipe: the problem and whether it passed the recipe's own test.
// A rejected candidate still counts for the draws it made.
struct Candidate {
    Problem problem;
    bool ok = true;
};

Problem Operators(std::int32_t op1, std::int32_t op2) {
    Problem p;
    p.Op1 = op1;
    p.Op2 = op2;
    return p;
}

// Every draw is its own statement: the order of draws decides the set a state yields.

Candidate Kind1(RandomSource& r) {
    Problem p = Operators(kPlus, kPlus);
    p.First = r.RandomBelow(10);
    p.Second = r.RandomBelow(10);
    p.Third = r.RandomBelow(10);
    p.Answer = p.First + p.Second + p.Third;
    return {p, true};
}

// Kinds 2 and 3: First - Second - Third, the first operand one wider than the others.
Candidate SubtractionOnly(RandomSource& r, std::int32_t firstRange) {
    Problem p = Operators(kMinus, kMinus);
    p.First = r.RandomBelow(firstRange);
    p.Second = r.RandomBelow(firstRange - 1);
    p.Third = r.RandomBelow(firstRange - 1);
    p.Answer = p.First - p.Second - p.Third;
    return {p, p.Answer >= 0};
}

std::int32_t PlusOrMinus(std::int32_t left, std::int32_t op, std::int32_t right) {
    return op == kPlus ? left + right : left - right;
}

Candidate Kind4(RandomSource& r) {
    Problem p;
    p.First = r.RandomBelow(11);
    p.Second = r.RandomBelow(11);
    p.Third = r.RandomBelow(11);
    p.Op1 = r.RandomBelow(2) + 1;
    p.Op2 = r.RandomBelow(2) + 1;
    const std::int32_t partial = PlusOrMinus(p.First, p.Op1, p.Second);
    if (partial < 0)
        return {p, false};
    p.Answer = PlusOrMinus(partial, p.Op2, p.Third);
    return {p, p.Answer >= 0};
}

Candidate Kind5(RandomSource& r) {
    const std::int32_t first = r.RandomBelow(11);
    const std::int32_t second = r.RandomBelow(11);
    const std::int32_t third = r.RandomBelow(11);
    const std::int32_t form = r.RandomBelow(4);
    Problem p;
    switch (form) {
        case 0:
            p = Operators(kTimes, kPlus);
            p.Answer = first * second + third;
            break;
        case 1:
            p = Operators(kTimes, kMinus);
            p.Answer = first * second - third;
            break;
        case 2:
            p = Operators(kPlus, kTimes);
            p.Answer = first + second * third;
            break;
        default:
            p = Operators(kMinus, kTimes);
            p.Answer = first - second * third;
            break;
    }
    p.First = first;
    p.Second = second;
    p.Third = third;
    return {p, p.Answer >= 0};
}

Candidate Kind6(RandomSource& r) {
    Problem p;
    p.First = r.RandomBelow(11);
    p.Second = r.RandomBelow(11);
    p.Third = r.RandomBelow(11);
    const std::int32_t form = r.RandomBelow(4);
    const std::int32_t divisor = r.RandomBelow(9) + 1;
    const std::int32_t quotient = r.RandomBelow(9) + 1;
    if (form == 0 || form == 1) {
        // First ÷ Second, then ± Third.
        p.Op1 = kDivide;
        p.Op2 = form == 0 ? kPlus : kMinus;
        p.Second = divisor;
        p.First = divisor * quotient;
        p.Answer = PlusOrMinus(quotient, p.Op2, p.Third);
    } else {
        // First ±, then Second ÷ Third.
        p.Op1 = form == 2 ? kPlus : kMinus;
        p.Op2 = kDivide;
        p.Third = divisor;
        p.Second = divisor * quotient;
        p.Answer = PlusOrMinus(p.First, p.Op1, quotient);
    }
    return {p, p.Answer >= 0};
}

Candidate Kind7(RandomSource& r) {
    const std::int32_t form = r.RandomBelow(4);
    Problem p;
    switch (form) {
        case 0: {  // First × Second × Third
            p = Operators(kTimes, kTimes);
            p.First = r.RandomBelow(10);
            p.Second = r.RandomBelow(10);
            p.Third = r.RandomBelow(10);
            p.Answer = p.First * p.Second * p.Third;
            break;
        }
        case 1: {  // First × Second ÷ Third, Second a multiple of Third
            p = Operators(kTimes, kDivide);
            p.Third = r.RandomBelow(9) + 1;
            const std::int32_t k = r.RandomBelow(5);
            p.Second = k * p.Third;
            p.First = r.RandomBelow(10);
            p.Answer = p.First * k;
            break;
        }
        case 2: {  // First ÷ Second ÷ Third
            p = Operators(kDivide, kDivide);
            p.Third = r.RandomBelow(9) + 1;
            const std::int32_t answer = r.RandomBelow(5) + 1;
            const std::int32_t m = r.RandomBelow(5) + 1;
            p.Second = m;
            p.First = m * answer * p.Third;
            p.Answer = answer;
            break;
        }
        default: {  // First ÷ Second × Third
            p = Operators(kDivide, kTimes);
            p.Second = r.RandomBelow(9) + 1;
            const std::int32_t k = r.RandomBelow(10);
            p.First = k * p.Second;
            p.Third = r.RandomBelow(10);
            p.Answer = k * p.Third;
            break;
        }
    }
    return {p, true};
}

// Kind 8 helpers: a pair of 0..9 values drawn anew, both together, while `redraw` holds.
template <typename Redraw>
void DrawPairWhile(RandomSource& r, std::int32_t& a, std::int32_t& b, Redraw redraw) {
    do {
        a = r.RandomBelow(10);
        b = r.RandomBelow(10);
    } while (redraw(a, b));
}

Problem AroundFirstAndSecond(std::int32_t op1, std::int32_t op2) {
    Problem p = Operators(op1, op2);
    p.OpenFirst = kTrue;
    p.CloseSecond = kTrue;
    return p;
}

Problem AroundSecondAndThird(std::int32_t op1, std::int32_t op2) {
    Problem p = Operators(op1, op2);
    p.OpenSecond = kTrue;
    p.CloseThird = kTrue;
    return p;
}

Candidate Kind8(RandomSource& r) {
    const std::int32_t form = r.RandomBelow(8);
    Problem p;
    switch (form) {
        case 0: {  // (First + Second) × Third
            p = AroundFirstAndSecond(kPlus, kTimes);
            p.First = r.RandomBelow(10);
            p.Second = r.RandomBelow(10);
            p.Third = r.RandomBelow(10);
            p.Answer = (p.First + p.Second) * p.Third;
            break;
        }
        case 1: {  // (First + Second) ÷ Third
            p = AroundFirstAndSecond(kPlus, kDivide);
            p.Third = r.RandomBelow(9) + 1;
            const std::int32_t q = r.RandomBelow(10);
            p.First = r.RandomBelow(q * p.Third + 1);
            p.Second = q * p.Third - p.First;
            p.Answer = q;
            break;
        }
        case 2: {  // (First − Second) × Third
            p = AroundFirstAndSecond(kMinus, kTimes);
            DrawPairWhile(r, p.First, p.Second,
                          [](std::int32_t first, std::int32_t second) { return second > first; });
            p.Third = r.RandomBelow(10);
            p.Answer = (p.First - p.Second) * p.Third;
            break;
        }
        case 3: {  // (First − Second) ÷ Third
            p = AroundFirstAndSecond(kMinus, kDivide);
            p.Third = r.RandomBelow(9) + 1;
            const std::int32_t q = r.RandomBelow(10);
            const std::int32_t rest = r.RandomBelow(10);
            p.First = q * p.Third + rest;
            p.Second = rest;
            p.Answer = q;
            break;
        }
        case 4: {  // First × (Second + Third)
            p = AroundSecondAndThird(kTimes, kPlus);
            p.First = r.RandomBelow(10);
            p.Second = r.RandomBelow(10);
            p.Third = r.RandomBelow(10);
            p.Answer = p.First * (p.Second + p.Third);
            break;
        }
        case 5: {  // First × (Second − Third)
            p = AroundSecondAndThird(kTimes, kMinus);
            p.First = r.RandomBelow(10);
            DrawPairWhile(r, p.Second, p.Third,
                          [](std::int32_t second, std::int32_t third) { return third > second; });
            p.Answer = p.First * (p.Second - p.Third);
            break;
        }
        case 6: {  // First ÷ (Second + Third)
            p = AroundSecondAndThird(kDivide, kPlus);
            DrawPairWhile(r, p.Second, p.Third, [](std::int32_t second, std::int32_t third) {
                return second == 0 && third == 0;
            });
            const std::int32_t k = r.RandomBelow(5);
            p.First = k * (p.Second + p.Third);
            p.Answer = k;
            break;
        }
        default: {  // First ÷ (Second − Third)
            p = AroundSecondAndThird(kDivide, kMinus);
            DrawPairWhile(r, p.Second, p.Third,
                          [](std::int32_t second, std::int32_t third) { return third >= second; });
            const std::int32_t k = r.RandomBelow(5);
            p.First = k * (p.Second - p.Third);
            p.Answer = k;
            break;
        }
    }
    return {p, true};
}

Candidate BuildCandidate(RandomSource& r, std::int32_t kind) {
    switch (kind) {
        case kAdditionOneDigit:
            return Kind1(r);
        case kSubtractionTo10:
            return SubtractionOnly(r, 11);
        case kSubtractionTo20:
            return SubtractionOnly(r, 21);
        case kAdditionSubtraction:
            return Kind4(r);
        case kWithMultiplication:
            return Kind5(r);
        case kWithDivision:
            return Kind6(r);
        case kMultiplicationDivision:
            return Kind7(r);
        default:
            return Kind8(r);
    }
}

// Duplicate rules: which fields must agree for two problems of a set to count as the same.
bool SameOperands(const Problem& a, const Problem& b) {
    return a.First == b.First && a.Second == b.Second && a.Third == b.Third;
}

bool SameOperandsAndOperators(const Problem& a, const Problem& b) {
    return SameOperands(a, b) && a.Op1 == b.Op1 && a.Op2 == b.Op2;
}

bool SameOperandsOperatorsAndOpening(const Problem& a, const Problem& b) {
    return SameOperandsAndOperators(a, b) && a.OpenFirst == b.OpenFirst;
}

bool IsSameProblem(std::int32_t kind, const Problem& a, const Problem& b) {
    if (kind <= kAdditionSubtraction)
        return SameOperands(a, b);
    if (kind <= kMultiplicationDivision)
        return SameOperandsAndOperators(a, b);
    return SameOperandsOperatorsAndOpening(a, b);
}

bool IsDuplicate(const ProblemSet& set, std::int32_t filled, std::int32_t kind,
                 const Problem& candidate) {
    for (std::int32_t n = 1; n <= filled; ++n) {
        if (IsSameProblem(kind, set[n], candidate))
            return true;
    }
    return false;
}

}  // namespace

void GenerateProblemSet(DrillData& data, std::int32_t kind) {
    if (!data.printInProgress)
        data.random.ReseedFromClock();

    data.problemSet.Clear();

    if (kind >= kFirstKind && kind <= kLastKind) {
        for (std::int32_t n = 1; n <= ProblemSet::kSize;) {
            const Candidate c = BuildCandidate(data.random, kind);
            if (c.ok && !IsDuplicate(data.problemSet, n - 1, kind, c.problem)) {
                data.problemSet[n] = c.problem;
                ++n;
            }
        }
    }

    data.state.SetFinished = kFalse;
    data.state.CorrectCount = 0;
    if (data.state.CountFixed == kFalse)
        data.state.TotalCount = ProblemSet::kSize;
}

}  // namespace mogran
