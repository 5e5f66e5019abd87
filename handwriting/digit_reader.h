#pragma once

#include <vector>

namespace mogran {

// One point of ink, in the writing box's own coordinates: the box's top-left corner is 0,0 and
// y grows downward.
struct InkPoint {
    double x = 0;
    double y = 0;
};

// The points of one stroke, from pen down to pen up, in the order they were written.
using InkStroke = std::vector<InkPoint>;

// Everything written in one box, stroke by stroke, in the order written.
using InkStrokes = std::vector<InkStroke>;

// What a box reads as: a digit 0-9 and how sure the reader is of it (0 to 1), or no digit
// (kNoDigit) when the ink is not one the reader can tell.
struct DigitReading {
    int digit = -1;
    double confidence = 0;
};

inline constexpr int kNoDigit = -1;

// Reads the digit written in one square box of the given side length. Empty strokes, points
// outside the box and any number of points are accepted; an empty box reads as kNoDigit.
DigitReading ReadDigit(const InkStrokes& strokes, double side);

}  // namespace mogran
