// Time of reading one box: the held-out writers' digits of the training file, each moved into
// a 140-pixel box as a pupil writes it, read one after another.

#include <vector>

#include <benchmark/benchmark.h>

#include "digit_reader.h"
#include "pen_digits.h"

namespace {

std::vector<mogran::InkStrokes> Boxes() {
    std::vector<mogran::InkStrokes> boxes;
    for (mogran::PenDigitSample& s : mogran::ReadPenDigitsFile(MOGRAN_PEN_DIGITS)) {
        if (s.writer < 26)
            continue;
        for (mogran::InkStroke& stroke : s.strokes)
            for (mogran::InkPoint& p : stroke)
                p = {p.x * 0.28, p.y * 0.28};
        boxes.push_back(std::move(s.strokes));
    }
    return boxes;
}

void BM_ReadDigit(benchmark::State& state) {
    const std::vector<mogran::InkStrokes> boxes = Boxes();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mogran::ReadDigit(boxes[next], 140));
        next = (next + 1) % boxes.size();
    }
}
BENCHMARK(BM_ReadDigit)->Unit(benchmark::kMicrosecond);

}  // namespace
