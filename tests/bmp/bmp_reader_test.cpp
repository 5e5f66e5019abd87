#include "bmp_reader.h"

#include <cstdint>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app_error.h"
#include "bmp_samples.h"
#include "bmp_test_writer.h"

namespace mogran {
namespace {

using bmptest::BmpFile;
using bmptest::PackRows;
using bmptest::Write;

const std::string kInvalid = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const std::string kRead = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";

BmpPicture ReadBytes(const std::vector<std::uint8_t>& bytes) {
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return ReadBmp(in);
}

std::string MessageOf(const std::vector<std::uint8_t>& bytes) {
    try {
        ReadBytes(bytes);
    } catch (const AppError& e) {
        return e.what();
    }
    return "(no error)";
}

void ExpectPixels(const BmpPicture& pic, int width, int height,
                  const std::vector<std::uint32_t>& expected) {
    ASSERT_EQ(pic.width, width);
    ASSERT_EQ(pic.height, height);
    ASSERT_EQ(pic.pixels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(pic.pixels[i], expected[i])
            << std::hex << "pixel x=" << std::dec << i % width << " y=" << i / width;
    }
}

TEST(ReadBmp, EmptyInputIsAnEmptyPicture) {
    const BmpPicture pic = ReadBytes({});
    EXPECT_TRUE(pic.IsEmpty());
    EXPECT_TRUE(pic.pixels.empty());
}

TEST(ReadBmp, DecodesEveryEncoding) {
    for (const auto& s : bmptest::EncodingSamples()) {
        SCOPED_TRACE(s.name);
        ExpectPixels(ReadBytes(Write(s.file)), s.width, s.height, s.expected);
    }
}

// The 8-bit 2 x 2 sample with four colours: 14 + 40 + 16 bytes of headers and table, then
// two rows of 4 bytes (2 pixels + 2 padding) at offset 70.
const bmptest::Sample& BaseSample() {
    static const bmptest::Sample base = [] {
        for (const bmptest::Sample& sample : bmptest::EncodingSamples()) {
            if (sample.name == "pal8")
                return sample;
        }
        throw std::logic_error("no pal8 sample");
    }();
    return base;
}

BmpFile Base() {
    return BaseSample().file;
}

const std::vector<std::uint32_t> kBasePixels = BaseSample().expected;

TEST(ReadBmp, LayoutVariants) {
    struct Case {
        const char* name;
        std::function<void(BmpFile&)> edit;
        std::vector<std::uint32_t> expected;
    };
    const std::vector<Case> cases = {
        {"pixels start at the offset the file header gives", [](BmpFile& f) { f.gap = 6; },
         kBasePixels},
        {"an offset of 0 means right after the colour table", [](BmpFile& f) { f.offBits = 0; },
         kBasePixels},
        {"an offset into the colour table means right after it", [](BmpFile& f) { f.offBits = 60; },
         kBasePixels},
        {"an offset past the end of the file means right after the colour table",
         [](BmpFile& f) { f.offBits = 0xFFFFFFF0u; }, kBasePixels},
        {"indices past the colour table are black",
         [](BmpFile& f) {
             f.clrUsed = 2;
             f.palette = {0x0000FF, 0x008000};
         },
         {0xFF000000, 0xFF0000FF, 0xFF000000, 0xFF008000}},
        {"a table longer than the bit count allows uses its first entries",
         [](BmpFile& f) {
             f.bits = 1;
             f.clrUsed = 3;
             f.palette = {0x0000FF, 0x00FF00, 0xFF0000};
             f.pixels = PackRows({{1, 0}, {0, 1}}, 1);
         },
         {0xFF0000FF, 0xFF00FF00, 0xFF00FF00, 0xFF0000FF}},
        {"the older header with a table shorter than 256 entries",
         [](BmpFile& f) {
             f.headerSize = 12;
             f.clrUsed = 0;
         },
         kBasePixels},
        {"the last row's padding may be missing",
         [](BmpFile& f) { f.pixels.resize(f.pixels.size() - 2); }, kBasePixels},
        {"run-length data may end without the end mark once every row has ended",
         [](BmpFile& f) {
             f.compression = 1;
             f.pixels = {1, 3, 1, 1, 0, 0, 2, 2, 0, 0};
         },
         {0xFFFF0000, 0xFFFF0000, 0xFF123456, 0xFF008000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFile f = Base();
        c.edit(f);
        ExpectPixels(ReadBytes(Write(f)), 2, 2, c.expected);
    }
}

TEST(ReadBmp, RejectsBrokenFilesWithTheirMessage) {
    struct Case {
        const char* name;
        std::function<std::vector<std::uint8_t>()> bytes;
        const std::string& message;
    };
    auto edited = [](std::function<void(BmpFile&)> edit) {
        return [edit] {
            BmpFile f = Base();
            edit(f);
            return Write(f);
        };
    };
    auto cut = [](std::size_t length) {
        return [length] {
            auto b = Write(Base());
            b.resize(length);
            return b;
        };
    };
    auto rle8 = [](std::vector<std::uint8_t> data) {
        return [data] {
            BmpFile f = Base();
            f.compression = 1;
            f.width = 4;
            f.pixels = data;
            return Write(f);
        };
    };
    const std::vector<Case> cases = {
        {"one byte", cut(1), kRead},
        {"file header cut short", cut(13), kRead},
        {"header size cut short", cut(16), kRead},
        {"information header cut short", cut(40), kRead},
        {"colour table cut short", cut(62), kRead},
        {"no pixel data", cut(70), kRead},
        {"last row cut short", cut(75), kRead},
        {"first row only", cut(74), kRead},
        {"masks missing after the header",
         [] {
             BmpFile f;
             f.bits = 16;
             f.compression = 3;
             f.masks = {0xF800, 0x07E0};
             return Write(f);
         },
         kRead},
        {"older header with a table cut short",
         [] {
             BmpFile f;
             f.headerSize = 12;
             f.bits = 8;
             f.palette = {0x123456};
             f.offBits = 0;
             return Write(f);
         },
         kRead},
        {"larger header cut short",
         [] {
             BmpFile f = Base();
             f.headerSize = 124;
             auto b = Write(f);
             b.resize(14 + 60);
             return b;
         },
         kRead},

        {"wrong magic",
         [] {
             auto b = Write(Base());
             b[1] = 'A';
             return b;
         },
         kInvalid},
        {"PNG signature",
         [] {
             return std::vector<std::uint8_t>{0x89, 'P',  'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0,
                                              0,    0x0D, 'I', 'H', 'D',  'R',  0,    0,    0, 1};
         },
         kInvalid},
        {"plane count 0", edited([](BmpFile& f) { f.planes = 0; }), kInvalid},
        {"plane count 2", edited([](BmpFile& f) { f.planes = 2; }), kInvalid},
        {"unknown header size", edited([](BmpFile& f) { f.headerSize = 20; }), kInvalid},
        {"zero width", edited([](BmpFile& f) { f.width = 0; }), kInvalid},
        {"negative width", edited([](BmpFile& f) { f.width = -2; }), kInvalid},
        {"zero height", edited([](BmpFile& f) { f.height = 0; }), kInvalid},
        {"absurd size", edited([](BmpFile& f) {
             f.width = 100000;
             f.height = 100000;
         }),
         kInvalid},
        {"largest sizes", edited([](BmpFile& f) {
             f.width = 0x7FFFFFFF;
             f.height = static_cast<std::int32_t>(0x80000000u);
         }),
         kInvalid},
        {"2 bits per pixel", edited([](BmpFile& f) { f.bits = 2; }), kInvalid},
        {"16 bits in the older header", edited([](BmpFile& f) {
             f.headerSize = 12;
             f.bits = 16;
         }),
         kInvalid},
        {"embedded JPEG", edited([](BmpFile& f) { f.compression = 4; }), kInvalid},
        {"unknown compression", edited([](BmpFile& f) { f.compression = 7; }), kInvalid},
        {"RLE8 with 4 bits", edited([](BmpFile& f) {
             f.bits = 4;
             f.compression = 1;
         }),
         kInvalid},
        {"RLE8 top-down", edited([](BmpFile& f) {
             f.height = -2;
             f.compression = 1;
         }),
         kInvalid},
        {"bit fields with 24 bits", edited([](BmpFile& f) {
             f.bits = 24;
             f.compression = 3;
             f.masks = {0xFF0000, 0xFF00, 0xFF};
         }),
         kInvalid},
        {"mask with a hole",
         [] {
             BmpFile f;
             f.bits = 16;
             f.compression = 3;
             f.masks = {0xF0F0, 0x0F00, 0x000F};
             f.pixels = {0, 0, 0, 0};
             return Write(f);
         },
         kInvalid},
        {"run past the right edge", rle8({2, 1, 3, 1, 0, 1}), kInvalid},
        {"absolute run past the right edge", rle8({1, 1, 0, 4, 1, 1, 1, 1, 0, 1}), kInvalid},
        {"delta past the right edge", rle8({0, 2, 5, 0, 0, 1}), kInvalid},
        {"delta past the top", rle8({0, 2, 0, 3, 0, 1}), kInvalid},
        {"pixels above the top row", rle8({0, 0, 0, 0, 1, 1, 0, 1}), kInvalid},
        {"run-length data without an end", rle8({2, 1, 0, 0}), kRead},
        {"run-length data cut inside a code", rle8({2}), kRead},
        {"run-length delta cut short", rle8({0, 2, 1}), kRead},
        {"absolute run cut short", rle8({0, 3, 1, 1}), kRead},
        {"absolute run without its padding", rle8({0, 3, 1, 1, 1}), kRead},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageOf(c.bytes()), c.message) << c.name;
    }
}

}  // namespace
}  // namespace mogran
