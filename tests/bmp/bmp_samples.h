#pragma once

// One small, valid file for each encoding the reader knows, with the pixels it must give.
// Used by the reader's tests, the picture loader's tests and the fuzzer's seed files.

#include <cstdint>
#include <string>
#include <vector>

#include "bmp_test_writer.h"

namespace mogran::bmptest {

struct Sample {
    std::string name;
    BmpFile file;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> expected;  // 0xAARRGGBB, top row first
    bool plain = false;  // an everyday encoding that any BMP reader decodes the same way
};

inline std::vector<Sample> EncodingSamples() {
    std::vector<Sample> s;

    BmpFile f;
    f.bits = 1;
    f.palette = {0x102030, 0xC86432};
    f.pixels = PackRows({{1, 0, 1}, {0, 1, 1}}, 1);
    f.width = 3;
    f.height = 2;
    s.push_back({"pal1",
                 f,
                 3,
                 2,
                 {0xFF102030, 0xFFC86432, 0xFFC86432,  //
                  0xFFC86432, 0xFF102030, 0xFFC86432},
                 true});

    f = {};
    f.bits = 4;
    f.clrUsed = 3;
    f.palette = {0x000080, 0xFF0000, 0x00FFFF};
    f.pixels = PackRows({{2, 1, 0}, {1, 2, 0}}, 4);
    f.width = 3;
    f.height = 2;
    s.push_back({"pal4",
                 f,
                 3,
                 2,
                 {0xFFFF0000, 0xFF00FFFF, 0xFF000080,  //
                  0xFF00FFFF, 0xFFFF0000, 0xFF000080},
                 true});

    f = {};
    f.bits = 8;
    f.clrUsed = 4;
    f.palette = {0x000000, 0x008000, 0xFF0000, 0x123456};
    f.pixels = PackRows({{3, 1}, {2, 0}}, 8);
    f.width = 2;
    f.height = 2;
    s.push_back({"pal8", f, 2, 2, {0xFFFF0000, 0xFF000000, 0xFF123456, 0xFF008000}, true});

    f = {};
    f.bits = 16;
    f.pixels = PackRows({{0x7C00, 0x03E0}, {0x001F, 0x4210}}, 16);
    f.width = 2;
    f.height = 2;
    s.push_back({"rgb555", f, 2, 2, {0xFF0000FF, 0xFF848484, 0xFFFF0000, 0xFF00FF00}, false});

    f = {};
    f.bits = 16;
    f.compression = 3;
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.pixels = PackRows({{0xF800, 0x07E0}, {0x001F, 0x8410}}, 16);
    f.width = 2;
    f.height = 2;
    s.push_back({"rgb565", f, 2, 2, {0xFF0000FF, 0xFF848284, 0xFFFF0000, 0xFF00FF00}, false});

    f = {};
    f.headerSize = 108;
    f.bits = 16;
    f.compression = 3;
    f.masks = {0x0F00, 0x00F0, 0x000F};
    f.pixels = PackRows({{0x0F80, 0x000F}}, 16);
    f.width = 2;
    f.height = 1;
    s.push_back({"rgb444v4", f, 2, 1, {0xFFFF8800, 0xFF0000FF}, false});

    f = {};
    f.bits = 24;
    f.pixels = PackRows({{0x112233, 0x445566, 0x778899}, {0xFFFFFF, 0x000000, 0xAB00CD}}, 24);
    f.width = 3;
    f.height = 2;
    s.push_back({"rgb24",
                 f,
                 3,
                 2,
                 {0xFFFFFFFF, 0xFF000000, 0xFFAB00CD,  //
                  0xFF112233, 0xFF445566, 0xFF778899},
                 true});

    // The fourth byte is not alpha: the picture is opaque.
    f = {};
    f.bits = 32;
    f.pixels = PackRows({{0x7F112233, 0x00FFEEDD}}, 32);
    f.width = 2;
    f.height = 1;
    s.push_back({"rgb32", f, 2, 1, {0xFF112233, 0xFFFFEEDD}, true});

    f = {};
    f.bits = 32;
    f.compression = 3;
    f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    f.pixels = PackRows({{0x00332211, 0xFF0000FF}}, 32);
    f.width = 2;
    f.height = 1;
    s.push_back({"bitfields32", f, 2, 1, {0xFF112233, 0xFFFF0000}, true});

    // Even with an alpha mask the picture is shown opaque.
    f = {};
    f.headerSize = 124;
    f.bits = 32;
    f.compression = 3;
    f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    f.pixels = PackRows({{0x00102030}}, 32);
    s.push_back({"alpha32v5", f, 1, 1, {0xFF102030}, false});

    // Bottom row: a run; then an absolute run; a delta up; a single pixel; end.
    // Pixels no run reaches keep palette colour 0 (blue).
    f = {};
    f.bits = 8;
    f.compression = 1;
    f.clrUsed = 3;
    f.palette = {0x0000FF, 0xFF0000, 0x00FF00};
    f.pixels = {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 2, 0, 1, 1, 2, 0, 1};
    f.width = 4;
    f.height = 3;
    s.push_back({"rle8",
                 f,
                 4,
                 3,
                 {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF00FF00,  //
                  0xFF00FF00, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,  //
                  0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFF0000FF},
                 false});

    // Bottom row: one run of alternating indices; top row: an odd absolute run (five
    // nibbles in three bytes plus padding), a delta to the right, a single pixel.
    f = {};
    f.bits = 4;
    f.compression = 2;
    f.clrUsed = 3;
    f.palette = {0x0000FF, 0xFF0000, 0x00FF00};
    f.pixels = {8, 0x12, 0, 0, 0, 5, 0x21, 0x02, 0x10, 0, 0, 2, 2, 0, 1, 0x20, 0, 1};
    f.width = 8;
    f.height = 2;
    s.push_back({"rle4",
                 f,
                 8,
                 2,
                 {0xFF00FF00, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00,  //
                  0xFFFF0000, 0xFF0000FF, 0xFF0000FF, 0xFF00FF00,  //
                  0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00,  //
                  0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00},
                 false});

    f = {};
    f.headerSize = 12;
    f.bits = 1;
    f.palette = {0xFFFF00, 0x800080};
    f.pixels = PackRows({{0, 1, 0}, {1, 1, 0}}, 1);
    f.width = 3;
    f.height = 2;
    s.push_back({"core1",
                 f,
                 3,
                 2,
                 {0xFF800080, 0xFF800080, 0xFFFFFF00,  //
                  0xFFFFFF00, 0xFF800080, 0xFFFFFF00},
                 true});

    f = {};
    f.bits = 24;
    f.pixels = PackRows({{0x010203, 0x040506}, {0x070809, 0x0A0B0C}}, 24);
    f.width = 2;
    f.height = -2;
    s.push_back({"topdown24", f, 2, 2, {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}, true});

    return s;
}

}  // namespace mogran::bmptest
