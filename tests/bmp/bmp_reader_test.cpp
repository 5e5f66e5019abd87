#include "bmp_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace mogran {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kInvalid = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const std::string kRead = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
const std::string kBlack = "the test picture, black for cyan";

// Stores `v` little-endian in `n` bytes at `at`.
Bytes With(Bytes b, std::size_t at, std::uint32_t v, int n = 4) {
    for (int i = 0; i < n; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    return b;
}

Bytes Cut(Bytes b, std::size_t length) {
    b.resize(length);
    return b;
}

Bytes Cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Values of `n` bytes each, little-endian.
Bytes Le(int n, const std::vector<std::uint32_t>& values) {
    Bytes b(n * values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        b = With(b, n * i, values[i], n);
    return b;
}

// The information header of a picture 3 pixels wide, `table` (masks or colours) from its
// 40th byte on, the whole at least `size` bytes long; up to 8 bits, the table's colour count.
Bytes Info(std::uint32_t bits, std::uint32_t compression, const Bytes& table, int height = 2,
           std::uint32_t size = 40) {
    const std::uint32_t colours = bits <= 8 ? table.size() / 4 : 0, h = height;
    const Bytes b =
        Cat(Le(4, {size, 3, h, 1 | bits << 16, compression, 0, 0, 0, colours, 0}), table);
    return Cut(b, std::max<std::size_t>(b.size(), size));
}

// The file header, `info` and, `gap` bytes later, the pixel data it points at.
Bytes File(const Bytes& info, const Bytes& pixels, std::uint32_t gap = 0) {
    const auto at = static_cast<std::uint32_t>(14 + info.size() + gap);
    const Bytes header = Cat({'B', 'M'}, Le(4, {std::uint32_t(at + pixels.size()), 0, at}));
    return Cat(Cat(header, Cut(info, info.size() + gap)), pixels);
}

// The test picture, A B B over B A B, as rows of `n`-byte pixels padded to 4 bytes, stored
// from the bottom row up (or from the top down).
Bytes Rows(int n, std::uint32_t a, std::uint32_t b, bool topDown = false) {
    const std::size_t stride = (3 * n + 3) / 4 * 4;
    const Bytes top = Cut(Le(n, {a, b, b}), stride), bottom = Cut(Le(n, {b, a, b}), stride);
    return topDown ? Cat(top, bottom) : Cat(bottom, top);
}

// Yellow and cyan tell every channel apart, also at 5 and 4 bits.
const std::vector<std::uint32_t> kPicture = {0xFFFFFF00, 0xFF00FFFF, 0xFF00FFFF,
                                             0xFF00FFFF, 0xFFFFFF00, 0xFF00FFFF};
const Bytes kPalette = Le(4, {0xFFFF00, 0x00FFFF});
const Bytes kCore = {12, 0, 0, 0, 3, 0, 2, 0, 1, 0, 8, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0};
const Bytes kPal8 = File(Info(8, 0, kPalette), Rows(1, 0, 1));  // 70 bytes, rows from 62
const Bytes kPal1 = File(Info(1, 0, kPalette), {0xA0, 0, 0, 0, 0x60, 0, 0, 0});
const Bytes kRle8 = {0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 1, 0, 2, 1, 0, 1};

// Name, file, and the message it fails with (empty: it gives the test picture).
using Case = std::tuple<std::string, Bytes, std::string>;
const std::string kLongFile = "1 GB";

// Reads every case as a file, as the program does (the long file goes on in zeros up to
// 1 GB), with only 64 MB more address space than the process has: a reader that makes room
// for what a header claims, or reads a long file whole, then fails. The address sanitizer
// reserves far more than that up front, so under it there is no limit.
[[noreturn]] void CheckWithLittleMemory(const std::vector<Case>& cases) {
#ifndef __SANITIZE_ADDRESS__
    std::uint64_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = pages * sysconf(_SC_PAGESIZE) + (rlim_t{64} << 20);
    const rlimit r{limit, limit};
    setrlimit(RLIMIT_AS, &r);
#endif
    const std::string path = ::testing::TempDir() + "bmp_reader_test.bmp";
    std::string found;
    for (const auto& [name, bytes, message] : cases) {
        std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
        if (name.ends_with(kLongFile))  // goes on in zeros
            std::filesystem::resize_file(path, std::uintmax_t{1} << 30);
        std::ifstream in(path, std::ios::binary);
        std::string got;
        try {
            std::vector<std::uint32_t> p = ReadBmp(in).pixels;
            got = p == kPicture ? "" : "other picture";
            std::replace(p.begin(), p.end(), 0xFF000000u, 0xFF00FFFFu);  // black where cyan was
            got = p == kPicture && !got.empty() ? kBlack : got;
        } catch (const std::exception& e) {
            got = e.what();
        }
        if (got != message)
            found += name + ": \"" + got + "\"\n";
    }
    std::fputs(found.c_str(), stderr);
    std::_Exit(found.empty() ? 0 : 1);
}

TEST(ReadBmp, FilesGiveThePictureOrTheirMessage) {
    const auto rle8 = [](const Bytes& data) { return File(Info(8, 1, kPalette), data); };
    const auto huge = [](const Bytes& file) { return With(With(file, 18, 8192), 22, 4096); };
    std::vector<Case> cases = {
        {"1 bit", kPal1, ""},
        {"4 bits", File(Info(4, 0, kPalette), {0x10, 0x10, 0, 0, 0x01, 0x10, 0, 0}), ""},
        {"8 bits", kPal8, ""},
        {"16 bits 5-5-5", File(Info(16, 0, {}), Rows(2, 0x7FE0, 0x03FF)), ""},
        {"5-6-5", File(Info(16, 3, Le(4, {0xF800, 0x7E0, 0x1F})), Rows(2, 0xFFE0, 0x7FF)), ""},
        {"4-4-4, 108-byte header",
         File(Info(16, 3, Le(4, {0xF00, 0xF0, 0xF}), 2, 108), Rows(2, 0xFF0, 0xFF)), ""},
        {"24 bits top-down", File(Info(24, 0, {}, -2), Rows(3, 0xFFFF00, 0xFFFF, true)), ""},
        {"32 bits, no alpha", File(Info(32, 0, {}), Rows(4, 0x7FFFFF00, 0x0100FFFF)), ""},
        {"32 bits, masks and alpha mask, 124-byte header, shown opaque",
         File(Info(32, 3, Le(4, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), 2, 124),
              Rows(4, 0xFFFF, 0xFFFF00)),
         ""},
        {"RLE8: absolute run, EOL, delta, run; colour 0 where no run writes", rle8(kRle8), ""},
        {"RLE4: alternating run, EOL, odd absolute run",
         File(Info(4, 2, kPalette), {3, 0x10, 0, 0, 0, 3, 0x01, 0x10, 0, 1}), ""},
        {"12-byte header, table as short as the pixel offset says", File(kCore, Rows(1, 0, 1)), ""},
        {"pixels where the file header points", File(Info(8, 0, kPalette), Rows(1, 0, 1), 6), ""},
        {"pixel offset 0: after the colour table", With(kPal8, 10, 0), ""},
        {"pixel offset past the end: after the colour table", With(kPal8, 10, 0xFFFFFFF0), ""},
        {"more colours than the bits allow", With(kPal1, 46, 0xFFFF), ""},
        {"last row without its padding", Cut(kPal8, kPal8.size() - 1), ""},
        {"RLE8 ending every row but without the end mark", rle8(With(kRle8, 14, 0, 2)), ""},
        {"a small picture at the start of " + kLongFile, kPal8, ""},
        {"indices past a table of one", File(Info(8, 0, Le(4, {0xFFFF00})), Rows(1, 0, 1)), kBlack},
        {"12-byte header, index past the table", File(kCore, Rows(1, 0, 2)), kBlack},
        {"RLE8 read in more than one chunk", rle8(Cat(Le(4, std::vector(1100, 0x200u)), kRle8)),
         ""},

        {"masks missing after the header", File(Info(16, 3, {}), {}), kRead},
        {"124-byte header in a short file", With(File(Info(32, 3, {}), {}), 14, 124), kRead},
        {"12-byte header, table cut short", Cut(File(kCore, Rows(1, 0, 1)), 28), kRead},
        {"RLE without an end", rle8({2, 1, 0, 0}), kRead},
        {"RLE absolute run cut short", rle8({0, 3, 1, 1}), kRead},
        {"2 KB of RLE claiming 8192 x 4096", huge(rle8(Bytes(2000, 0))), kRead},
        {"rows of 8192 x 4096 from 16 MB before the end of 1 GB", huge(With(kPal8, 10, 1007 << 20)),
         kRead},
        {"rows of 8192 x 4096 past the end", With(huge(Cat(kPal8, Bytes(2000))), 46, 0xFFFF),
         kRead},

        {"wrong magic", With(kPal8, 0, 'M', 1), kInvalid},
        {"plane count 2", With(kPal8, 26, 2, 2), kInvalid},
        {"header size 20", With(kPal8, 14, 20), kInvalid},
        {"negative width", With(kPal8, 18, 0xFFFFFFFE), kInvalid},
        {"height 0", With(kPal8, 22, 0), kInvalid},
        {"one row over 32 M pixels", With(With(kPal8, 18, 8192), 22, 4097), kInvalid},
        {"largest sizes", With(With(kPal8, 18, 0x7FFFFFFF), 22, 0x80000000), kInvalid},
        {"2 bits", With(kPal8, 28, 2, 2), kInvalid},
        {"embedded JPEG", With(kPal8, 30, 4), kInvalid},
        {"mask with a hole", File(Info(16, 3, Le(4, {0xF0F0, 0xF00, 0xF})), Bytes(16)), kInvalid},
        {"RLE run past the right edge", rle8({4, 1, 0, 1}), kInvalid},
        {"RLE delta past the top", rle8({0, 2, 0, 3, 0, 1}), kInvalid},
        {"RLE pixels above the top row", rle8({0, 0, 0, 0, 1, 1, 0, 1}), kInvalid},
        {"RLE too short for the picture it claims", huge(rle8({0, 1})), kInvalid},
        {"RLE stored top-down", With(rle8(kRle8), 22, 0xFFFFFFFE), kInvalid},
        {"RLE8 of 4-bit pixels", With(rle8(kRle8), 28, 4, 2), kInvalid},
    };
    for (std::size_t length : {1, 13, 16, 40, 60, 62, 66, 68})
        cases.push_back({"cut to " + std::to_string(length), Cut(kPal8, length), kRead});
    EXPECT_EXIT(CheckWithLittleMemory(cases), ::testing::ExitedWithCode(0), "");
}

// A channel whose mask is empty is no colour at all, not the least of it.
TEST(ReadBmp, ChannelWithoutMaskIsZero) {
    const Bytes file = File(Info(16, 3, Le(4, {0xF800, 0x7E0, 0})), Rows(2, 0xFFFF, 0xFFFF));
    MemoryBytes bytes(file.data(), file.size());
    for (const std::uint32_t pixel : ReadBmp(bytes).pixels)
        EXPECT_EQ(pixel, 0xFFFFFF00u);
}

// Reads from memory: the bytes asked for, down to one, or false past the end.
TEST(MemoryBytes, ReadsWhatLiesInside) {
    const Bytes data = {1, 2, 3};
    MemoryBytes bytes(data.data(), data.size());
    const std::tuple<std::uint64_t, std::size_t, bool, Bytes> cases[] = {
        {0, 3, true, {1, 2, 3}}, {2, 1, true, {3, 9, 9}}, {3, 0, true, {9, 9, 9}},
        {3, 1, false, {9, 9, 9}}, {1, 3, false, {9, 9, 9}}, {4, 0, false, {9, 9, 9}}};
    for (const auto& [at, n, ok, seen] : cases) {
        Bytes out(3, 9);
        EXPECT_EQ(bytes.ReadAt(at, out.data(), n), ok) << at << ' ' << n;
        EXPECT_EQ(out, seen) << at << ' ' << n;
    }
}

}  // namespace
}  // namespace mogran

