#pragma once

#include <array>

#include "digit_reader.h"

namespace mogran {

// The features the digit reader's network sees, computed from the ink alone: the ink is
// centred on its bounding box and scaled by the box's larger side (so a thin "1" stays thin),
// then described twice over:
// - its trajectory: the strokes joined into one path, pen-up jumps included, resampled to
//   kTrajectoryPoints points equally spaced along it; each point gives x, y, the local
//   direction (cos, sin) and whether it lies on a pen-up jump;
// - its picture: a kGridSide x kGridSide grid over the ink holding, per cell, how much ink
//   runs through it in each of kGridOrientations orientations, spread bilinearly;
// and, last, the ink's aspect (width - height) / (width + height).
inline constexpr int kTrajectoryPoints = 24;
inline constexpr int kTrajectoryValues = 5;
inline constexpr int kGridSide = 8;
inline constexpr int kGridOrientations = 4;
inline constexpr int kFeatureCount =
    kTrajectoryPoints * kTrajectoryValues + kGridSide * kGridSide * kGridOrientations + 1;

using InkFeatureVector = std::array<float, kFeatureCount>;

// What the features leave out but rejection needs: the ink's extent (the larger side of its
// bounding box, in the ink's own units), the length of its pen-down strokes measured in that
// extent, and the number of strokes and points that hold ink.
struct InkSummary {
    double extent = 0;
    double lengthInExtents = 0;
    int strokes = 0;
    int points = 0;
};

// Computes the features of the ink; points that are not finite numbers are left out, and
// coordinates are clamped to +-1e9. Ink without points gives points == 0 and zero features.
InkSummary ComputeInkFeatures(const InkStrokes& strokes, InkFeatureVector& features);

}  // namespace mogran
