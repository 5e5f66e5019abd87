#include "digit_reader.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ink_shaping.h"
#include "pen_digits.h"

namespace mogran {
namespace {

// The committed model is trained without writers 26-30; this is how well it reads them
// (measured 98.96 %, 1,235 of 1,248, rounded down), with the tablet's 500-wide box as the box.
constexpr double kHeldOutFloor = 0.985;
constexpr double kTabletSide = 500;

const std::vector<PenDigitSample>& HeldOut() {
    static const std::vector<PenDigitSample> held = [] {
        std::vector<PenDigitSample> out;
        for (PenDigitSample& s : ReadPenDigitsFile(MOGRAN_PEN_DIGITS))
            if (s.writer >= 26)
                out.push_back(std::move(s));
        return out;
    }();
    return held;
}

TEST(DigitReader, ReadsHeldOutWritersAtLeastAsWellAsStated) {
    int right = 0;
    for (const PenDigitSample& s : HeldOut())
        right += ReadDigit(s.strokes, kTabletSide).digit == s.digit ? 1 : 0;
    ASSERT_GT(HeldOut().size(), 1000u);
    EXPECT_GE(static_cast<double>(right) / HeldOut().size(), kHeldOutFloor) << right;
}

// The held-out digits, each changed as a pupil's hand changes them, keep their reading: always
// when only moved and scaled, nearly always when also slanted, turned or squeezed.
TEST(DigitReader, KeepsTheDigitWhenMovedScaledAndSlanted) {
    struct Case {
        const char* what;
        InkTransform change;
        double side;
        double floor;
    };
    const Case cases[] = {
        {"moved into the corner of a small box", {0, 0, 0.3, 0.3, -330, -330}, 160, 1.0},
        {"shrunk to a quarter", {0, 0, 0.25, 0.25, 0, 0}, 200, 1.0},
        {"grown past the box", {0, 0, 3, 3, 40, 0}, kTabletSide, 1.0},
        {"slanted right", {0, 0.3, 1, 1, 0, 0}, kTabletSide, 0.97},
        {"slanted left", {0, -0.25, 1, 1, 0, 0}, kTabletSide, 0.97},
        {"turned 10 degrees", {0.17, 0, 1, 1, 0, 0}, kTabletSide, 0.97},
        {"turned -10 degrees", {-0.17, 0, 1, 1, 0, 0}, kTabletSide, 0.97},
        {"squeezed narrow", {0, 0, 0.75, 1.1, 0, 0}, kTabletSide, 0.97},
    };
    for (const Case& c : cases) {
        int kept = 0;
        int total = 0;
        for (const PenDigitSample& s : HeldOut()) {
            if (ReadDigit(s.strokes, kTabletSide).digit != s.digit)
                continue;
            ++total;
            kept += ReadDigit(TransformInk(s.strokes, c.change), c.side).digit == s.digit;
        }
        EXPECT_GE(static_cast<double>(kept) / total, c.floor) << c.what << ": " << kept;
    }
}

InkStroke Line(double x0, double y0, double x1, double y1) {
    InkStroke stroke;
    for (int i = 0; i <= 20; ++i)
        stroke.push_back({x0 + (x1 - x0) * i / 20, y0 + (y1 - y0) * i / 20});
    return stroke;
}

// Counterclockwise on screen from the given angle (radians, 0 = right), as a 9's loop is
// written.
InkStroke Arc(double cx, double cy, double r, double from, double turn) {
    InkStroke stroke;
    for (int i = 0; i <= 30; ++i) {
        const double a = from - turn * i / 30;
        stroke.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return stroke;
}

InkStroke Joined(InkStroke a, const InkStroke& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The forms Japanese pupils are taught, drawn in a 140-wide box, and the held-out writers'
// own 7s and 9s reshaped into them.
TEST(DigitReader, ReadsTheFormsJapanesePupilsAreTaught) {
    struct Case {
        const char* what;
        InkStrokes ink;
        int digit;
    };
    const double pi = 3.14159265358979;
    const Case cases[] = {
        {"1 straight down", {Line(70, 20, 70, 120)}, 1},
        {"1 leaning right", {Line(60, 20, 80, 120)}, 1},
        {"1 short", {Line(70, 50, 72, 100)}, 1},
        {"4 open, two strokes",
         {Joined(Line(60, 20, 30, 85), Line(30, 85, 115, 85)), Line(85, 40, 85, 125)},
         4},
        {"7 without crossbar", {Joined(Line(30, 25, 110, 25), Line(110, 25, 60, 125))}, 7},
        {"7 with a tick at the top",
         {Joined(Joined(Line(30, 40, 30, 25), Line(30, 25, 110, 25)), Line(110, 25, 65, 125))},
         7},
        {"9 with a straight tail",
         {Joined(Arc(70, 50, 30, 0, 2 * pi), Line(100, 50, 100, 125))},
         9},
        {"9 loop and tail apart", {Arc(70, 50, 30, 0, 2 * pi), Line(100, 45, 98, 125)}, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadDigit(c.ink, 140).digit, c.digit) << c.what;

    ShapingRandom random(7);
    int sevens = 0, sevensRight = 0, nines = 0, ninesRight = 0;
    for (const PenDigitSample& s : HeldOut()) {
        if (s.digit == 7) {
            if (auto seven = SevenWithoutCrossbar(s.strokes)) {
                ++sevens;
                sevensRight += ReadDigit(*seven, kTabletSide).digit == 7;
            }
        } else if (s.digit == 9) {
            if (auto nine = NineWithStraightTail(s.strokes, random)) {
                ++nines;
                ninesRight += ReadDigit(*nine, kTabletSide).digit == 9;
            }
        }
    }
    EXPECT_GE(sevensRight, sevens * 0.97) << sevens;
    EXPECT_GE(ninesRight, nines * 0.97) << nines;
    EXPECT_GT(sevens + nines, 100);
}

// Ink that is no digit reads as none; a digit among points that are not numbers still reads.
TEST(DigitReader, TellsWhenInkIsNoDigit) {
    const double nan = std::nan("");
    InkStroke zigzag;
    for (int i = 0; i < 40; ++i)
        zigzag.push_back({i % 2 ? 120.0 : 20.0, 20.0 + 2 * i});
    InkStrokes loose;
    for (int i = 0; i < 9; ++i)
        loose.push_back(Line(10 + 13 * i, 20 + (i * 37) % 90, 25 + 9 * i, 30 + (i * 53) % 100));
    const InkStroke one = Line(70, 20, 70, 120);
    struct Case {
        const char* what;
        InkStrokes ink;
        int digit;
    };
    const Case cases[] = {
        {"nothing", {}, kNoDigit},
        {"empty strokes", {{}, {}}, kNoDigit},
        {"a dot dragged a little", {Line(70, 70, 70, 74)}, kNoDigit},
        {"a scribble", {zigzag}, kNoDigit},
        {"loose strokes", loose, kNoDigit},
        {"a dash", {Line(20, 70, 120, 72)}, kNoDigit},
        {"only points that are not numbers", {{{nan, 3}, {1, INFINITY}}}, kNoDigit},
        {"a 1 among points that are not numbers", {{{nan, 3}}, one, {{5, -INFINITY}}}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadDigit(c.ink, 140).digit, c.digit) << c.what;
}

}  // namespace
}  // namespace mogran
