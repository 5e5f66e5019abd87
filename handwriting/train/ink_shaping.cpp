#include "ink_shaping.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace mogran {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Drawn forms are made in a box of this side.
constexpr double kDrawnSide = 300;

struct Bounds {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    double Width() const { return maxX - minX; }
    double Height() const { return maxY - minY; }
};

Bounds BoundsOf(const InkStrokes& ink) {
    Bounds b{1e300, 1e300, -1e300, -1e300};
    for (const InkStroke& stroke : ink) {
        for (const InkPoint& p : stroke) {
            b.minX = std::min(b.minX, p.x);
            b.minY = std::min(b.minY, p.y);
            b.maxX = std::max(b.maxX, p.x);
            b.maxY = std::max(b.maxY, p.y);
        }
    }
    return b;
}

// Appends the polyline through the corners to the stroke, with points about step apart.
void AddPolyline(InkStroke& stroke, const std::vector<InkPoint>& corners, double step) {
    for (std::size_t k = 0; k + 1 < corners.size(); ++k) {
        const InkPoint a = corners[k];
        const InkPoint b = corners[k + 1];
        const int n = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / step));
        for (int i = (k == 0 && stroke.empty()) ? 0 : 1; i <= n; ++i) {
            const double t = static_cast<double>(i) / n;
            stroke.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
}

// A corner of a drawn form, given in shares of the box, moved at random by up to spread.
InkPoint Corner(double x, double y, double spread, ShapingRandom& random) {
    return {(x + random.Between(-spread, spread)) * kDrawnSide,
            (y + random.Between(-spread, spread)) * kDrawnSide};
}

InkStroke Scribble(ShapingRandom& random) {
    InkStroke stroke;
    std::vector<InkPoint> corners;
    const int count = 10 + random.Below(20);
    for (int i = 0; i < count; ++i)
        corners.push_back(Corner(random.Unit(), random.Unit(), 0, random));
    AddPolyline(stroke, corners, 6);
    return stroke;
}

InkStroke Hatching(ShapingRandom& random) {
    InkStroke stroke;
    std::vector<InkPoint> corners;
    const int count = 8 + random.Below(16);
    const double left = random.Between(0, 0.3);
    const double right = random.Between(0.7, 1);
    for (int i = 0; i < count; ++i)
        corners.push_back(
            Corner(i % 2 ? right : left, static_cast<double>(i) / count, 0.05, random));
    AddPolyline(stroke, corners, 6);
    return stroke;
}

InkStroke Coil(ShapingRandom& random) {
    InkStroke stroke;
    const int turns = 4 + random.Below(5);
    const double drift = random.Between(-0.1, 0.1);
    for (int i = 0; i <= turns * 24; ++i) {
        const double a = 2 * kPi * i / 24;
        const double r = 0.4 + random.Between(-0.05, 0.05);
        stroke.push_back({(0.5 + r * std::cos(a) + drift * a / (2 * kPi)) * kDrawnSide,
                          (0.5 + r * std::sin(a)) * kDrawnSide});
    }
    return stroke;
}

}  // namespace

InkStrokes TransformInk(const InkStrokes& ink, const InkTransform& t) {
    const Bounds b = BoundsOf(ink);
    const double cx = (b.minX + b.maxX) / 2;
    const double cy = (b.minY + b.maxY) / 2;
    const double c = std::cos(t.rotation);
    const double s = std::sin(t.rotation);
    InkStrokes out = ink;
    for (InkStroke& stroke : out) {
        for (InkPoint& p : stroke) {
            const double x = p.x - cx;
            const double y = p.y - cy;
            const double rx = c * x - s * y;
            const double ry = s * x + c * y;
            p.x = cx + (rx - t.slant * ry) * t.scaleX + t.moveX;
            p.y = cy + ry * t.scaleY + t.moveY;
        }
    }
    return out;
}

InkStrokes DistortInk(const InkStrokes& ink, ShapingRandom& random) {
    InkTransform t;
    t.rotation = random.Between(-0.2, 0.2);
    t.slant = random.Between(-0.35, 0.35);
    t.scaleX = std::exp(random.Between(-0.25, 0.2));
    t.scaleY = std::exp(random.Between(-0.1, 0.1));
    InkStrokes out = TransformInk(ink, t);

    const Bounds b = BoundsOf(out);
    const double extent = std::max(b.Width(), b.Height());
    const double wobble = random.Between(0, 0.03) * extent;
    const double waves = random.Between(0.5, 2);
    const double phaseX = random.Between(0, 2 * kPi);
    const double phaseY = random.Between(0, 2 * kPi);
    const double jitter = random.Between(0, 0.008) * extent;
    const int keepEvery = 1 + random.Below(3);
    const bool trim = random.Chance(0.3);
    for (InkStroke& stroke : out) {
        // The pen may touch down a little late or lift a little early.
        std::size_t first = 0;
        std::size_t last = stroke.size();
        if (trim && stroke.size() > 10) {
            const int most = static_cast<int>(stroke.size() / 12) + 1;
            first = static_cast<std::size_t>(random.Below(most));
            last -= static_cast<std::size_t>(random.Below(most));
        }
        InkStroke kept;
        for (std::size_t i = first; i < last; ++i) {
            if ((i - first) % keepEvery != 0 && i + 1 != last)
                continue;
            InkPoint p = stroke[i];
            const double u = extent > 0 ? (p.y - b.minY) / extent : 0;
            const double v = extent > 0 ? (p.x - b.minX) / extent : 0;
            p.x += wobble * std::sin(2 * kPi * waves * u + phaseX) + jitter * random.Between(-1, 1);
            p.y += wobble * std::sin(2 * kPi * waves * v + phaseY) + jitter * random.Between(-1, 1);
            kept.push_back(p);
        }
        stroke = std::move(kept);
    }
    if (out.size() > 1 && random.Chance(0.2))
        std::swap(out[0], out[1 + random.Below(static_cast<int>(out.size()) - 1)]);
    if (random.Chance(0.1)) {
        std::reverse(out.begin(), out.end());
        for (InkStroke& stroke : out)
            std::reverse(stroke.begin(), stroke.end());
    } else if (random.Chance(0.1)) {
        InkStroke& stroke = out[random.Below(static_cast<int>(out.size()))];
        std::reverse(stroke.begin(), stroke.end());
    }
    return out;
}

std::optional<InkStrokes> SevenWithoutCrossbar(const InkStrokes& seven) {
    if (seven.size() < 2)
        return std::nullopt;
    std::size_t tallest = 0;
    double tallestHeight = -1;
    for (std::size_t k = 0; k < seven.size(); ++k) {
        const double h = BoundsOf({seven[k]}).Height();
        if (h > tallestHeight) {
            tallestHeight = h;
            tallest = k;
        }
    }
    return InkStrokes{seven[tallest]};
}

std::optional<InkStrokes> NineWithStraightTail(const InkStrokes& nine, ShapingRandom& random) {
    const Bounds b = BoundsOf(nine);
    const double loopFoot = b.minY + 0.6 * b.Height();
    InkStrokes out;
    for (const InkStroke& stroke : nine) {
        out.emplace_back();
        for (const InkPoint& p : stroke) {
            if (p.y > loopFoot) {
                if (p.x < (b.minX + b.maxX) / 2 || out.back().empty())
                    return std::nullopt;
                const InkPoint foot{p.x + random.Between(-0.1, 0.1) * b.Height(),
                                    b.maxY + random.Between(-0.1, 0.05) * b.Height()};
                AddPolyline(out.back(), {out.back().back(), foot}, b.Height() / 40);
                return out;
            }
            out.back().push_back(p);
        }
    }
    return std::nullopt;
}

InkStrokes StraightOne(ShapingRandom& random) {
    const double slant = random.Between(-0.2, 0.25);
    const double bow = random.Between(-0.04, 0.04);
    const double x = random.Between(0.3, 0.7);
    const int points = 6 + random.Below(30);
    InkStroke stroke;
    for (int i = 0; i <= points; ++i) {
        const double t = static_cast<double>(i) / points;
        stroke.push_back(
            {(x + slant * (t - 0.5) + bow * std::sin(kPi * t)) * kDrawnSide, t * kDrawnSide});
    }
    return {stroke};
}

InkStrokes OpenFour(ShapingRandom& random) {
    const double top = random.Between(0.15, 0.5);
    const double bar = random.Between(0.55, 0.75);
    const double upright = random.Between(0.55, 0.8);
    InkStroke first;
    AddPolyline(
        first,
        {Corner(top, 0, 0.05, random), Corner(0, bar, 0.05, random), Corner(1, bar, 0.05, random)},
        8);
    InkStroke second;
    AddPolyline(
        second,
        {Corner(upright, random.Between(0, 0.2), 0.03, random), Corner(upright, 1, 0.05, random)},
        8);
    return {first, second};
}

InkStrokes NotADigit(ShapingRandom& random) {
    switch (random.Below(5)) {
        case 0:
            return {Scribble(random)};
        case 1:
            return {Hatching(random)};
        case 2:
            return {Coil(random)};
        case 3: {
            InkStrokes loose;
            const int count = 5 + random.Below(8);
            for (int i = 0; i < count; ++i) {
                InkStroke stroke;
                AddPolyline(stroke,
                            {Corner(random.Unit(), random.Unit(), 0, random),
                             Corner(random.Unit(), random.Unit(), 0, random)},
                            6);
                loose.push_back(stroke);
            }
            return loose;
        }
        default: {
            InkStroke dash;
            const double y = random.Between(0.3, 0.7);
            AddPolyline(dash, {Corner(0, y, 0.1, random), Corner(1, y, 0.1, random)}, 8);
            return {dash};
        }
    }
}

}  // namespace mogran
