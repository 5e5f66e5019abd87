#include "ink_features.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mogran {

namespace {

constexpr double kClamp = 1e9;
constexpr double kPi = 3.14159265358979323846;
// Directions a full turn apart are one (8 directions) or half a turn (4 orientations).
constexpr double kGridTurn = kGridOrientations == 8 ? 2 * kPi : kPi;
// The grid's values are the share of the ink in each cell and orientation, times this gain,
// so that a cell well filled reads near 1.
constexpr double kGridGain = 16;
// Strokes are spread over the grid in steps of at most this length (the ink spans 2).
constexpr double kGridStep = 0.05;

struct PathPoint {
    double x = 0;
    double y = 0;
    bool jump = false;  // the segment that ends here is a pen-up jump
};

double Length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

double Clamped(double v) {
    return std::clamp(v, -kClamp, kClamp);
}

// The finite points of the strokes as one path, repeated points left out; strokes without a
// finite point are skipped.
std::vector<PathPoint> JoinStrokes(const InkStrokes& strokes, int& strokeCount) {
    std::vector<PathPoint> path;
    strokeCount = 0;
    for (const InkStroke& stroke : strokes) {
        bool started = false;
        for (const InkPoint& p : stroke) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                continue;
            const PathPoint q{Clamped(p.x), Clamped(p.y), !started && !path.empty()};
            if (started && q.x == path.back().x && q.y == path.back().y)
                continue;
            path.push_back(q);
            started = true;
        }
        strokeCount += started ? 1 : 0;
    }
    return path;
}

void SampleTrajectory(const std::vector<PathPoint>& path, double length, float* out) {
    struct Sample {
        double x, y;
        bool jump;
    };
    std::array<Sample, kTrajectoryPoints> samples{};
    std::size_t segment = 1;  // the segment path[segment - 1] .. path[segment]
    double before = 0;        // path length up to path[segment - 1]
    for (int i = 0; i < kTrajectoryPoints; ++i) {
        const double at = length * i / (kTrajectoryPoints - 1);
        while (segment + 1 < path.size()) {
            const double d = Length(path[segment].x - path[segment - 1].x,
                                    path[segment].y - path[segment - 1].y);
            if (before + d >= at)
                break;
            before += d;
            ++segment;
        }
        if (path.size() < 2) {
            samples[i] = {path[0].x, path[0].y, false};
            continue;
        }
        const PathPoint& a = path[segment - 1];
        const PathPoint& b = path[segment];
        const double d = Length(b.x - a.x, b.y - a.y);
        const double t = d > 0 ? std::clamp((at - before) / d, 0.0, 1.0) : 0.0;
        samples[i] = {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, b.jump};
    }
    for (int i = 0; i < kTrajectoryPoints; ++i) {
        const Sample& prev = samples[std::max(i - 1, 0)];
        const Sample& next = samples[std::min(i + 1, kTrajectoryPoints - 1)];
        const double dx = next.x - prev.x;
        const double dy = next.y - prev.y;
        const double d = Length(dx, dy);
        float* v = out + i * kTrajectoryValues;
        v[0] = static_cast<float>(samples[i].x);
        v[1] = static_cast<float>(samples[i].y);
        v[2] = d > 0 ? static_cast<float>(dx / d) : 0.0f;
        v[3] = d > 0 ? static_cast<float>(dy / d) : 0.0f;
        v[4] = samples[i].jump ? 1.0f : 0.0f;
    }
}

void Splat(float* grid, double x, double y, int orientation, double weight) {
    const double gx = (x + 1) / 2 * kGridSide - 0.5;
    const double gy = (y + 1) / 2 * kGridSide - 0.5;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const double fx = gx - x0;
    const double fy = gy - y0;
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            const int cx = x0 + i;
            const int cy = y0 + j;
            if (cx < 0 || cy < 0 || cx >= kGridSide || cy >= kGridSide)
                continue;
            const double w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
            grid[(cy * kGridSide + cx) * kGridOrientations + orientation] +=
                static_cast<float>(w * weight);
        }
    }
}

void RenderGrid(const std::vector<PathPoint>& path, double inkLength, float* grid) {
    if (inkLength <= 0)
        return;
    const double gain = kGridGain / inkLength;
    for (std::size_t k = 1; k < path.size(); ++k) {
        if (path[k].jump)
            continue;
        const double dx = path[k].x - path[k - 1].x;
        const double dy = path[k].y - path[k - 1].y;
        const double d = Length(dx, dy);
        double angle = std::atan2(dy, dx);
        if (angle < 0)
            angle += kGridTurn;
        const double u =
            std::min(angle / (kGridTurn / kGridOrientations), kGridOrientations - 1e-9);
        const int o0 = static_cast<int>(u);
        const int o1 = (o0 + 1) % kGridOrientations;
        const double f = u - o0;
        const int steps = std::max(1, static_cast<int>(std::ceil(d / kGridStep)));
        const double w = d / steps * gain;
        for (int s = 0; s < steps; ++s) {
            const double t = (s + 0.5) / steps;
            const double x = path[k - 1].x + dx * t;
            const double y = path[k - 1].y + dy * t;
            Splat(grid, x, y, o0, w * (1 - f));
            Splat(grid, x, y, o1, w * f);
        }
    }
}

}  // namespace

InkSummary ComputeInkFeatures(const InkStrokes& strokes, InkFeatureVector& features) {
    features.fill(0.0f);
    InkSummary summary;
    std::vector<PathPoint> path = JoinStrokes(strokes, summary.strokes);
    summary.points = static_cast<int>(path.size());
    if (path.empty())
        return summary;

    double minX = path[0].x, maxX = path[0].x, minY = path[0].y, maxY = path[0].y;
    for (const PathPoint& p : path) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double width = maxX - minX;
    const double height = maxY - minY;
    summary.extent = std::max(width, height);
    const double scale = summary.extent > 0 ? 2 / summary.extent : 1;
    const double cx = (minX + maxX) / 2;
    const double cy = (minY + maxY) / 2;
    double length = 0;
    double inkLength = 0;
    for (std::size_t k = 0; k < path.size(); ++k) {
        path[k].x = (path[k].x - cx) * scale;
        path[k].y = (path[k].y - cy) * scale;
        if (k > 0) {
            const double d = Length(path[k].x - path[k - 1].x, path[k].y - path[k - 1].y);
            length += d;
            inkLength += path[k].jump ? 0 : d;
        }
    }
    summary.lengthInExtents = inkLength / 2;

    SampleTrajectory(path, length, features.data());
    RenderGrid(path, inkLength, features.data() + kTrajectoryPoints * kTrajectoryValues);
    features[kFeatureCount - 1] =
        width + height > 0 ? static_cast<float>((width - height) / (width + height)) : 0.0f;
    return summary;
}

}  // namespace mogran
