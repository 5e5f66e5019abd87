#include "indexed_image.h"

#include <cstdlib>
#include <set>

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

namespace mogran {
namespace {

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / (width - 1), y * 255 / (height - 1), 128));
        }
    }
    return image;
}

int WorstChannelError(const QImage& original, const IndexedImage& indexed) {
    int worst = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = indexed.palette.at(indexed.pixels.at(y * indexed.width + x));
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return worst;
}

TEST(QuantiseTest, KeepsFewColoursExactlyAndApproximatesMany) {
    struct Case {
        const char* name;
        QImage image;
        int maxColours;
        int worstError;
    };
    QImage fourColours(9, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(250, 250, 250),
                                    qRgb(1, 2, 3)};
            fourColours.setPixel(x, y, colours[(x + 2 * y) % 4]);
        }
    }
    const Case cases[] = {
        {"four colours into 16", fourColours, 16, 0},
        {"gradient into 256", Gradient(81, 81), 256, 12},
        {"gradient into 16", Gradient(81, 81), 16, 48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const IndexedImage indexed = Quantise(c.image, c.maxColours);
        EXPECT_LE(indexed.palette.size(), static_cast<size_t>(c.maxColours));
        ASSERT_EQ(indexed.pixels.size(), static_cast<size_t>(c.image.width() * c.image.height()));
        EXPECT_LE(WorstChannelError(c.image, indexed), c.worstError);
    }
}

TEST(QuantiseTest, KeyColourHasItsOwnEntryThatNoOtherPixelTakes) {
    const QRgb key = qRgb(255, 0, 255);
    QImage image = Gradient(33, 33);
    for (int i = 0; i < 33; ++i) {
        image.setPixel(i, 32, key);
        image.setPixel(i, 0, qRgb(254, 0, 254));  // as close to the key as it gets
    }
    const IndexedImage indexed = Quantise(image, 256, key);
    ASSERT_LE(indexed.palette.size(), 256u);
    const auto keyIndex = static_cast<uint8_t>(indexed.palette.size() - 1);
    EXPECT_EQ(indexed.palette[keyIndex], key);
    for (size_t i = 0; i + 1 < indexed.palette.size(); ++i) {
        EXPECT_NE(indexed.palette[i], key) << i;
    }
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
            EXPECT_EQ(indexed.pixels[y * 33 + x] == keyIndex, y == 32) << x << "," << y;
        }
    }
}

TEST(BmpBytesTest, ReadsBackPixelForPixel) {
    for (const auto& [size, bits] :
         {std::pair{81, 8}, std::pair{33, 8}, std::pair{32, 4}, std::pair{5, 4}, std::pair{3, 8}}) {
        SCOPED_TRACE(std::to_string(size) + "px " + std::to_string(bits) + "bpp");
        const IndexedImage indexed = Quantise(Gradient(size, size + 1), 1 << bits);
        const std::string bytes = BmpBytes(indexed, bits);
        const QImage back =
            QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "BMP");
        ASSERT_FALSE(back.isNull());
        ASSERT_EQ(back.size(), QSize(size, size + 1));
        int wrong = 0;
        for (int y = 0; y < back.height(); ++y) {
            for (int x = 0; x < back.width(); ++x) {
                const QRgb expected = indexed.palette[indexed.pixels[y * size + x]];
                wrong += (back.pixel(x, y) | 0xFF000000u) != expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
}  // namespace mogran
