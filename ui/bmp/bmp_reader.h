#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace mogran {

// A decoded bitmap: pixels row by row from the top, each 0xAARRGGBB.
struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return width == 0 || height == 0; }
};

// Decodes the bytes of a Windows BMP file. An empty input gives an empty picture.
// Throws AppError with the message the user sees for a malformed or truncated file.
BmpPicture ReadBmp(std::span<const std::uint8_t> bytes);

}  // namespace mogran
