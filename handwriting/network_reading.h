#pragma once

#include "digit_network.h"
#include "digit_reader.h"

namespace mogran {

// The model's outputs: the digits 0-9, then "no digit" (scribbles, blots, dashes).
inline constexpr int kReaderOutputs = 11;
inline constexpr int kNotADigitOutput = 10;

// What the reader makes of the ink with the given model (kReaderOutputs outputs over the
// ink's features): no digit for a dot (ink under a twentieth of the box's side), for ink too
// long or of too many strokes to be a digit, and when the model is not sure enough of any
// digit or is surer the ink is none.
DigitReading ReadDigitWith(const DigitModel& model, const InkStrokes& strokes, double side);

}  // namespace mogran
