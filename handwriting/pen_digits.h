#pragma once

#include <string>
#include <vector>

#include "digit_reader.h"

namespace mogran {

// One digit of the pen-written training file: the digit, its writer (1-30) and its strokes,
// turned so that y grows downward as in a writing box (the file's tablet box is 500 high
// with y growing upward).
struct PenDigitSample {
    int digit = 0;
    int writer = 0;
    InkStrokes strokes;
};

// Reads the file at path (UNIPEN style: ".SEGMENT DIGIT n ? "d"", ".COMMENT d writer index",
// strokes between ".PEN_DOWN" and ".PEN_UP" as lines of "x y"); throws std::runtime_error when
// it cannot be read, or naming the line when its text is not of that form.
std::vector<PenDigitSample> ReadPenDigitsFile(const std::string& path);

}  // namespace mogran
