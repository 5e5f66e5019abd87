#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "digit_reader.h"

namespace mogran {

// One written answer: the side of each square box and the ink in each box, left to right.
struct InkAnswer {
    double size = 0;
    std::vector<InkStrokes> boxes;
};

// Reads one line of the form {"size": S, "boxes": [BOX, ...]}: an object with exactly the keys
// "size" and "boxes", in either order, S a finite number above 0, each BOX a list of strokes,
// each stroke a list of points, each point a list of two finite numbers [x, y]. JSON's
// whitespace may stand between any two tokens; numbers and strings follow JSON strictly.
// Anything else (an empty line, other keys, a number too large for a double) gives no answer
// and a message in error saying what was wrong and where.
std::optional<InkAnswer> ParseInkAnswer(std::string_view line, std::string& error);

}  // namespace mogran
