// Draws the drill's pictures and synthesises its two sounds.
// Usage: make-media <media folder> <window resources folder> <web icons folder> [preview folder]
// The media folder receives mascot.bmp, maru1.bmp, batu1.bmp, maru1.wav and batu1.wav; the
// resources folder the window's built-in pictures; the web icons folder the web page's app
// icons. With a preview folder, every picture is also written there as an enlarged PNG for
// looking at.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>

#include "file_bytes.h"
#include "indexed_image.h"
#include "media_pictures.h"
#include "media_sounds.h"

namespace mogran {
namespace {

// ---- Output -------------------------------------------------------------------------------

struct Preview {
    std::string folder;
    mutable std::vector<QImage> shown;

    void Save(const std::string& name, const QImage& image, int zoom) const {
        if (folder.empty()) {
            return;
        }
        const QImage big =
            image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        big.save(QString::fromStdString(folder + "/" + name + ".png"));
        shown.push_back(big);
    }

    // All previews side by side on one grey sheet.
    void SaveSheet() const {
        if (folder.empty()) {
            return;
        }
        int width = 8;
        int height = 0;
        for (const QImage& image : shown) {
            width += image.width() + 8;
            height = std::max(height, image.height());
        }
        QImage sheet(width, height + 16, QImage::Format_RGB32);
        sheet.fill(QColor(128, 128, 128));
        QPainter p(&sheet);
        int x = 8;
        for (const QImage& image : shown) {
            p.drawImage(x, 8, image);
            x += image.width() + 8;
        }
        p.end();
        sheet.save(QString::fromStdString(folder + "/sheet.png"));
    }
};

void SavePicture(const std::string& path, const QImage& picture, int bitsPerPixel,
                 const Preview& preview, const std::string& name, std::optional<QRgb> key = {}) {
    const IndexedImage indexed = Quantise(picture, 1 << bitsPerPixel, key);
    WriteFile(path, BmpBytes(indexed, bitsPerPixel));
    preview.Save(name, ToImage(indexed), 4);
}

void SavePng(const std::string& path, const QImage& image) {
    if (!image.save(QString::fromStdString(path), "PNG", 0)) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The icon in 256 colours, so that the page stays small: a median-cut palette of its opaque
// colours and the tile's colour at a few steps of transparency for its rounded edge.
QImage PaletteIcon(const QImage& icon) {
    const QRgb tile = icon.pixel(icon.width() / 2, icon.height() / 20);
    QList<QRgb> table;
    for (QRgb colour : Quantise(icon, 248).palette) {
        table.push_back(colour);
    }
    for (int alpha = 0; alpha < 256; alpha += 32) {
        table.push_back(qRgba(qRed(tile), qGreen(tile), qBlue(tile), alpha));
    }
    return icon.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

// The web page's app icons: the desktop icon at the sizes installed apps ask for, and a full
// square tile for the home screens that round the corners themselves and would fill
// transparent ones with black.
void MakeWebIcons(const std::string& dir, const Preview& preview) {
    for (int size : {192, 512}) {
        const QImage icon = PaletteIcon(DrawIcon(size, false));
        SavePng(dir + "/icon-" + std::to_string(size) + ".png", icon);
        preview.Save("web-icon-" + std::to_string(size), Flatten(icon, Qt::white), 1);
    }
    SavePng(dir + "/apple-touch-icon.png", PaletteIcon(DrawIcon(180, true)));
}

void MakeAll(const std::string& mediaDir, const std::string& resourcesDir,
             const std::string& webIconsDir, const Preview& preview) {
    SavePicture(mediaDir + "/mascot.bmp", DrawMascot(81, false), 8, preview, "mascot");
    SavePicture(mediaDir + "/maru1.bmp", DrawRight(81), 8, preview, "maru1");
    SavePicture(mediaDir + "/batu1.bmp", DrawWrong(81), 8, preview, "batu1");
    WriteFile(mediaDir + "/maru1.wav", WavBytes(RightChime(), 0.6));
    WriteFile(mediaDir + "/batu1.wav", WavBytes(WrongBuzz(), 0.42));

    SavePicture(resourcesDir + "/image1.bmp", DrawMascot(81, true), 8, preview, "image1");
    const QRgb key = qRgb(255, 0, 255);
    SavePicture(resourcesDir + "/bitbtn1.bmp", KeyedGlyph(DrawPrinter(33), key), 8, preview,
                "bitbtn1", key);
    SavePicture(resourcesDir + "/icon.bmp", DrawIcon(32, true), 4, preview, "icon");
    for (int size : {48, 64, 128, 256}) {
        const QImage icon = DrawIcon(size, false);
        const std::string name = "icon-" + std::to_string(size);
        if (!icon.save(QString::fromStdString(resourcesDir + "/" + name + ".png"))) {
            throw std::runtime_error("cannot write " + name + ".png");
        }
        preview.Save(name, Flatten(icon, Qt::white), 1);
    }
    MakeWebIcons(webIconsDir, preview);
    preview.SaveSheet();
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <media folder> <resources folder> <web icons folder> "
                     "[preview folder]\n",
                     argv[0]);
        return 2;
    }
    try {
        mogran::MakeAll(argv[1], argv[2], argv[3], mogran::Preview{argc > 4 ? argv[4] : "", {}});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-media: %s\n", e.what());
        return 1;
    }
    return 0;
}
