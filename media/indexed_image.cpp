#include "indexed_image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

#include "file_bytes.h"

namespace mogran {

namespace {

struct ColourBox {
    std::vector<std::pair<QRgb, int>> colours;  // colour and pixel count

    int Range(int channel) const {
        int lo = 255;
        int hi = 0;
        for (const auto& [rgb, count] : colours) {
            const int v = Channel(rgb, channel);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }

    int Weight() const {
        int sum = 0;
        for (const auto& entry : colours) {
            sum += entry.second;
        }
        return sum;
    }

    QRgb Mean() const {
        std::array<double, 3> sum{};
        double weight = 0;
        for (const auto& [rgb, count] : colours) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += Channel(rgb, c) * count;
            }
            weight += count;
        }
        return qRgb(static_cast<int>(std::lround(sum[0] / weight)),
                    static_cast<int>(std::lround(sum[1] / weight)),
                    static_cast<int>(std::lround(sum[2] / weight)));
    }

    static int Channel(QRgb rgb, int channel) {
        return channel == 0 ? qRed(rgb) : channel == 1 ? qGreen(rgb) : qBlue(rgb);
    }
};

int DistanceSquared(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

IndexedImage Quantise(const QImage& source, int maxColours, std::optional<QRgb> keyColour) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogram;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y) | 0xFF000000u;
            if (!keyColour || rgb != *keyColour) {
                ++histogram[rgb];
            }
        }
    }
    const int drawingColours = keyColour ? maxColours - 1 : maxColours;

    std::vector<ColourBox> boxes(1);
    boxes[0].colours.assign(histogram.begin(), histogram.end());
    while (static_cast<int>(boxes.size()) < drawingColours) {
        // Split the box whose widest channel, weighted by its pixels, is largest.
        int best = -1;
        double bestScore = 0;
        int bestChannel = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                const double score = boxes[i].Range(c) * std::sqrt(double(boxes[i].Weight()));
                if (score > bestScore) {
                    best = i;
                    bestScore = score;
                    bestChannel = c;
                }
            }
        }
        if (best < 0) {
            break;
        }
        auto& colours = boxes[best].colours;
        std::sort(colours.begin(), colours.end(), [&](const auto& a, const auto& b) {
            return ColourBox::Channel(a.first, bestChannel) <
                   ColourBox::Channel(b.first, bestChannel);
        });
        const int half = boxes[best].Weight() / 2;
        size_t cut = 1;
        for (int running = colours[0].second; cut + 1 < colours.size() && running < half; ++cut) {
            running += colours[cut].second;
        }
        ColourBox upper;
        upper.colours.assign(colours.begin() + static_cast<long>(cut), colours.end());
        colours.erase(colours.begin() + static_cast<long>(cut), colours.end());
        boxes.push_back(std::move(upper));
    }

    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    for (const ColourBox& box : boxes) {
        QRgb mean = box.Mean();
        if (keyColour && mean == *keyColour) {
            mean ^= 1;  // never reuse the transparent colour
        }
        out.palette.push_back(mean);
    }
    if (keyColour) {
        out.palette.push_back(*keyColour);
    }
    std::map<QRgb, uint8_t> nearest;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y) | 0xFF000000u;
            auto found = nearest.find(rgb);
            if (found == nearest.end()) {
                uint8_t index = 0;
                if (keyColour && rgb == *keyColour) {
                    index = static_cast<uint8_t>(out.palette.size() - 1);
                } else {
                    for (size_t i = 1; i < boxes.size(); ++i) {
                        if (DistanceSquared(rgb, out.palette[i]) <
                            DistanceSquared(rgb, out.palette[index])) {
                            index = static_cast<uint8_t>(i);
                        }
                    }
                }
                found = nearest.emplace(rgb, index).first;
            }
            out.pixels.push_back(found->second);
        }
    }
    return out;
}

std::string BmpBytes(const IndexedImage& image, int bitsPerPixel) {
    const uint32_t tableEntries = 1u << bitsPerPixel;
    if (image.palette.size() > tableEntries) {
        throw std::runtime_error("too many colours for the colour table");
    }
    const uint32_t stride = ((image.width * bitsPerPixel + 31) / 32) * 4;
    const uint32_t imageSize = stride * image.height;
    const uint32_t offset = 14 + 40 + 4 * tableEntries;

    std::string out = "BM";
    PutLe(out, offset + imageSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4);
    PutLe(out, image.width, 4);
    PutLe(out, image.height, 4);  // positive: bottom row first
    PutLe(out, 1, 2);
    PutLe(out, bitsPerPixel, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, imageSize, 4);
    PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, tableEntries, 4);
    PutLe(out, 0, 4);
    for (uint32_t i = 0; i < tableEntries; ++i) {
        const QRgb rgb = i < image.palette.size() ? image.palette[i] : qRgb(0, 0, 0);
        out.push_back(static_cast<char>(qBlue(rgb)));
        out.push_back(static_cast<char>(qGreen(rgb)));
        out.push_back(static_cast<char>(qRed(rgb)));
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < image.width; ++x) {
            const uint8_t index = image.pixels[static_cast<size_t>(y * image.width + x)];
            if (bitsPerPixel == 8) {
                row[x] = static_cast<char>(index);
            } else {
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
        }
        out += row;
    }
    return out;
}

QImage ToImage(const IndexedImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            out.setPixel(x, y,
                         image.palette[image.pixels[static_cast<size_t>(y * image.width + x)]]);
        }
    }
    return out;
}

}  // namespace mogran
