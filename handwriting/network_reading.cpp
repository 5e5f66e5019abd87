#include "network_reading.h"

#include <array>
#include <cmath>

#include "ink_features.h"

namespace mogran {

namespace {

// A box whose ink spans less than this share of its side holds a dot, not a digit.
constexpr double kDotShare = 0.05;
// The longest digits of the training file (8s written twice over) run about 6 times the
// ink's extent; a mess runs longer.
constexpr double kMostInkInExtents = 12;
constexpr int kMostStrokes = 6;
// Below this the reader says it cannot tell; real digits almost never score so low.
constexpr float kLeastConfidence = 0.3f;

}  // namespace

DigitReading ReadDigitWith(const DigitModel& model, const InkStrokes& strokes, double side) {
    InkFeatureVector features;
    const InkSummary ink = ComputeInkFeatures(strokes, features);
    if (ink.points == 0)
        return {};
    if ((std::isfinite(side) && side > 0 && ink.extent < kDotShare * side) ||
        ink.lengthInExtents > kMostInkInExtents || ink.strokes > kMostStrokes)
        return {kNoDigit, 0};
    std::array<float, kReaderOutputs> p{};
    model.Evaluate(features.data(), p.data());
    int best = 0;
    for (int d = 1; d < 10; ++d)
        best = p[d] > p[best] ? d : best;
    if (p[kNotADigitOutput] > p[best] || p[best] < kLeastConfidence)
        return {kNoDigit, p[best]};
    return {best, p[best]};
}

}  // namespace mogran
