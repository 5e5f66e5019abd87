// Checks the media files and built-in pictures kept in the repository.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

namespace mogran {
namespace {

const std::string kSourceDir = MOGRAN_SOURCE_DIR;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t Le(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes.at(at + static_cast<size_t>(i)));
    }
    return value;
}

struct BmpCase {
    const char* name;
    const char* path;
    int size;
    int bitsPerPixel;
};

void PrintTo(const BmpCase& c, std::ostream* os) {
    *os << c.path;
}

class BmpFileTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpFileTest, IsAnUncompressedBottomUpPaletteBitmapOfItsSize) {
    const BmpCase& c = GetParam();
    const std::string bytes = ReadBytes(kSourceDir + "/" + c.path);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
    EXPECT_EQ(Le(bytes, 14, 4), 40u);
    EXPECT_EQ(static_cast<int32_t>(Le(bytes, 18, 4)), c.size);
    EXPECT_EQ(static_cast<int32_t>(Le(bytes, 22, 4)), c.size);  // positive: bottom-up
    EXPECT_EQ(Le(bytes, 26, 2), 1u);
    EXPECT_EQ(Le(bytes, 28, 2), static_cast<uint32_t>(c.bitsPerPixel));
    EXPECT_EQ(Le(bytes, 30, 4), 0u);
    const uint32_t entries = Le(bytes, 46, 4) == 0 ? 1u << c.bitsPerPixel : Le(bytes, 46, 4);
    EXPECT_EQ(entries, 1u << c.bitsPerPixel);
    const uint32_t stride = ((c.size * c.bitsPerPixel + 31) / 32) * 4;
    EXPECT_EQ(Le(bytes, 10, 4), 54 + 4 * entries);
    EXPECT_EQ(bytes.size(), 54 + 4 * entries + stride * c.size);

    // A real drawing, not a blank: it uses a good share of its colour table.
    std::set<uint8_t> used;
    for (uint32_t i = Le(bytes, 10, 4); i < bytes.size(); ++i) {
        used.insert(static_cast<uint8_t>(bytes[i]));
    }
    EXPECT_GE(used.size(), c.bitsPerPixel == 8 ? 32u : 8u);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, BmpFileTest,
    ::testing::Values(BmpCase{"mascot", "media/mascot.bmp", 81, 8},
                      BmpCase{"maru1", "media/maru1.bmp", 81, 8},
                      BmpCase{"batu1", "media/batu1.bmp", 81, 8},
                      BmpCase{"image1", "ui/window/resources/image1.bmp", 81, 8},
                      BmpCase{"bitbtn1", "ui/window/resources/bitbtn1.bmp", 33, 8},
                      BmpCase{"icon", "ui/window/resources/icon.bmp", 32, 4}),
    [](const ::testing::TestParamInfo<BmpCase>& info) { return std::string(info.param.name); });

TEST(ButtonGlyphTest, BottomLeftColourIsUsedOnlyAroundTheDrawing) {
    const std::string bytes = ReadBytes(kSourceDir + "/ui/window/resources/bitbtn1.bmp");
    ASSERT_EQ(bytes.size(), 1078u + 36 * 33);
    const size_t pixels = 1078;
    const uint8_t key = static_cast<uint8_t>(bytes[pixels]);  // first stored row is the bottom
    const auto rgbOf = [&](int index) { return Le(bytes, 54 + 4 * static_cast<size_t>(index), 3); };
    for (int i = 0; i < 256; ++i) {
        if (i != key) {
            EXPECT_NE(rgbOf(i), rgbOf(key)) << "palette entry " << i << " repeats the key colour";
        }
    }
    // The middle of the glyph is drawn, and so are most of its pixels' neighbours.
    EXPECT_NE(static_cast<uint8_t>(bytes[pixels + 16 * 36 + 16]), key);
    int keyed = 0;
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
            keyed += static_cast<uint8_t>(bytes[pixels + static_cast<size_t>(y * 36 + x)]) == key;
        }
    }
    EXPECT_GT(keyed, 33 * 2);
    EXPECT_LT(keyed, 33 * 33 / 2);
}

TEST(SoundFileTest, ShortMonoPcmWithoutClicks) {
    for (const char* name : {"maru1.wav", "batu1.wav"}) {
        SCOPED_TRACE(name);
        SDL_AudioSpec format{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV((kSourceDir + "/media/" + name).c_str(), &format, &buffer, &length),
                  nullptr)
            << SDL_GetError();
        const std::vector<int16_t> samples(reinterpret_cast<int16_t*>(buffer),
                                           reinterpret_cast<int16_t*>(buffer + length));
        SDL_FreeWAV(buffer);

        EXPECT_EQ(format.format, AUDIO_S16LSB);
        EXPECT_EQ(format.channels, 1);
        EXPECT_TRUE(format.freq == 22050 || format.freq == 44100) << format.freq;
        const double seconds = double(samples.size()) / format.freq;
        EXPECT_GT(seconds, 0.2);
        EXPECT_LT(seconds, 1.0);

        int peak = 0;
        for (int16_t s : samples) {
            peak = std::max(peak, std::abs(int(s)));
        }
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 30000) << "too close to clipping";
        // Faded in and out: the first and last milliseconds stay near silence.
        const size_t edge = static_cast<size_t>(format.freq / 1000);
        for (size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(int(samples[i])), 2000) << "start " << i;
            EXPECT_LT(std::abs(int(samples[samples.size() - 1 - i])), 200) << "end " << i;
        }
    }
}

}  // namespace
}  // namespace mogran
