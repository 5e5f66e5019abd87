#pragma once

// A tiny BMP writer for the tests: it writes whatever header fields it is given, so that
// both good files and deliberately broken ones can be made.

#include <cstdint>
#include <optional>
#include <vector>

namespace mogran::bmptest {

struct BmpFile {
    std::uint32_t headerSize = 40;  // 12 writes the older header with 16-bit sizes
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    // Inside the header when it is 52 bytes or more, else right after it.
    std::vector<std::uint32_t> masks;
    // 0xRRGGBB each; written as quads, or as triples after the 12-byte header.
    std::vector<std::uint32_t> palette;
    std::uint32_t gap = 0;                 // junk bytes between the colour table and the pixels
    std::optional<std::uint32_t> offBits;  // the file header's pixel offset; default: the truth
    std::vector<std::uint8_t> pixels;      // the pixel data as stored
};

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline std::vector<std::uint8_t> Write(const BmpFile& f) {
    std::vector<std::uint8_t> out = {'B', 'M'};
    Put32(out, 0);  // file size, patched below
    Put32(out, 0);  // reserved
    Put32(out, 0);  // pixel offset, patched below
    const std::size_t headerAt = out.size();
    Put32(out, f.headerSize);
    if (f.headerSize == 12) {
        Put16(out, static_cast<std::uint32_t>(f.width));
        Put16(out, static_cast<std::uint32_t>(f.height));
        Put16(out, f.planes);
        Put16(out, f.bits);
    } else {
        Put32(out, static_cast<std::uint32_t>(f.width));
        Put32(out, static_cast<std::uint32_t>(f.height));
        Put16(out, f.planes);
        Put16(out, f.bits);
        Put32(out, f.compression);
        Put32(out, static_cast<std::uint32_t>(f.pixels.size()));
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, f.clrUsed);
        Put32(out, 0);
        if (f.headerSize >= 52) {
            for (std::size_t i = 0; i < 4 && out.size() < headerAt + f.headerSize; ++i) {
                Put32(out, i < f.masks.size() ? f.masks[i] : 0);
            }
        }
    }
    out.resize(headerAt + f.headerSize, 0);
    if (f.headerSize == 40) {
        for (std::uint32_t m : f.masks)
            Put32(out, m);
    }
    for (std::uint32_t c : f.palette) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        if (f.headerSize != 12)
            out.push_back(0);
    }
    out.insert(out.end(), f.gap, 0xA5);
    const std::uint32_t pixelsAt = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());

    const std::uint32_t size = static_cast<std::uint32_t>(out.size());
    const std::uint32_t offBits = f.offBits.value_or(pixelsAt);
    for (int i = 0; i < 4; ++i) {
        out[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        out[10 + i] = static_cast<std::uint8_t>(offBits >> (8 * i));
    }
    return out;
}

// Packs rows (in stored order) of values `bits` wide into rows padded to 4 bytes: palette
// indices for 1, 4 and 8 bits, raw pixel values for 16 and 32, 0xRRGGBB for 24.
inline std::vector<std::uint8_t> PackRows(const std::vector<std::vector<std::uint32_t>>& rows,
                                          unsigned bits) {
    std::vector<std::uint8_t> out;
    for (const auto& row : rows) {
        std::vector<std::uint8_t> bytes;
        if (bits < 8) {
            bytes.assign((row.size() * bits + 7) / 8, 0);
            const unsigned perByte = 8 / bits;
            for (std::size_t x = 0; x < row.size(); ++x) {
                const unsigned shift = 8 - bits * (x % perByte + 1);
                bytes[x / perByte] |= static_cast<std::uint8_t>(row[x] << shift);
            }
        } else {
            for (std::uint32_t v : row) {
                for (unsigned i = 0; i < bits / 8; ++i) {
                    bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
                }
            }
        }
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

}  // namespace mogran::bmptest
