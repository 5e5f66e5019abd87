#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace mogran {

// A decoded bitmap: pixels row by row from the top, each 0xAARRGGBB.
struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return width == 0 || height == 0; }
};

// Decodes a Windows BMP file from a stream that starts at the file's first byte. Only the
// headers, the colour table and the pixel data they call for are read; the file may go on
// past them. An empty file gives an empty picture. Throws AppError with the message the
// user sees for a malformed or truncated file.
BmpPicture ReadBmp(std::istream& file);

}  // namespace mogran
