// The writing pad's reader: the strokes of one box, as the page holds them, read by the same
// code as the command-line tool. The page calls it directly; it never waits for the page.

#include <cstdint>
#include <emscripten.h>

#include "digit_reader.h"

extern "C" {

// Reads the box written as `strokeCount` strokes: `lengths` holds each stroke's number of
// points, `xy` all points in order as x, y pairs in the box's own coordinates (y downward), and
// `side` is the box's side in the same unit. Returns the digit or -1 (no digit it can tell);
// *confidence gets how sure the reader is, 0 to 1.
EMSCRIPTEN_KEEPALIVE int mogran_read_digit(const float* xy, const std::int32_t* lengths,
                                           int strokeCount, double side, double* confidence) {
    mogran::InkStrokes strokes(static_cast<std::size_t>(strokeCount > 0 ? strokeCount : 0));
    for (mogran::InkStroke& stroke : strokes) {
        stroke.resize(static_cast<std::size_t>(*lengths > 0 ? *lengths : 0));
        ++lengths;
        for (mogran::InkPoint& point : stroke) {
            point = {xy[0], xy[1]};
            xy += 2;
        }
    }
    const mogran::DigitReading reading = mogran::ReadDigit(strokes, side);
    *confidence = reading.confidence;
    return reading.digit;
}

}  // extern "C"
