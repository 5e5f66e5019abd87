#pragma once

#include <optional>

#include "digit_reader.h"
#include "shaping_random.h"

namespace mogran {

// A change of the ink about the centre of its bounding box: turned by rotation (radians,
// positive turns clockwise on screen), slanted (x moves by slant times the height above the
// centre), stretched, then moved.
struct InkTransform {
    double rotation = 0;
    double slant = 0;
    double scaleX = 1;
    double scaleY = 1;
    double moveX = 0;
    double moveY = 0;
};

InkStrokes TransformInk(const InkStrokes& ink, const InkTransform& transform);

// The ink changed at random within what a hand does: turned, slanted, stretched, wobbled and
// jittered a little, points thinned out as a slow pointer gives them, a few points dropped
// at the ends of the strokes, and the strokes of a
// digit of several sometimes written in another order, and now and then a stroke or the whole
// ink written backwards (some hands start a 9 at its foot).
InkStrokes DistortInk(const InkStrokes& ink, ShapingRandom& random);

// The forms Japanese pupils are taught, made from the samples' forms or drawn afresh (y grows
// downward in all of them).
// A 7 of two or more strokes without its crossbar: only its tallest stroke; none for a 7 of
// one stroke.
std::optional<InkStrokes> SevenWithoutCrossbar(const InkStrokes& seven);
// A 9 whose tail runs straight down from the loop instead of hooking: the ink up to where it
// first leaves the loop's height on the right, then a straight line to the 9's foot; none
// when the 9 does not leave its loop that way.
std::optional<InkStrokes> NineWithStraightTail(const InkStrokes& nine, ShapingRandom& random);
// A 1 as one straight (or nearly straight) stroke from top to bottom.
InkStrokes StraightOne(ShapingRandom& random);
// A 4 in two strokes open at the top: down and across, then the upright.
InkStrokes OpenFour(ShapingRandom& random);
// Ink that is no digit: a scribble, a hatched blot, many loose strokes or a flat dash.
InkStrokes NotADigit(ShapingRandom& random);

}  // namespace mogran
