#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QImage>

namespace mogran {

// A picture of palette indices.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<uint8_t> pixels;  // row by row, top row first
};

// Median-cut palette of at most maxColours for the opaque image; pixels equal to keyColour
// (when given) keep a palette entry of their own, the last one, that no other pixel uses.
IndexedImage Quantise(const QImage& source, int maxColours, std::optional<QRgb> keyColour = {});

// An uncompressed, bottom-up BMP with a full colour table of 2^bitsPerPixel entries (4 or 8).
std::string BmpBytes(const IndexedImage& image, int bitsPerPixel);

// The indexed picture in true colour.
QImage ToImage(const IndexedImage& image);

}  // namespace mogran
