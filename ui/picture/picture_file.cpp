#include "picture_file.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include <QFileInfo>
#include <QImageReader>

#include "app_error.h"
#include "picture_kind.h"

namespace mogran {
namespace {

// A file on disk, read through a stream.
class FileBytes : public ByteSource {
public:
    explicit FileBytes(std::ifstream file) : file_(std::move(file)), bytes_(file_) {}
    std::uint64_t Size() override { return bytes_.Size(); }
    bool ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) override {
        return bytes_.ReadAt(at, out, n);
    }

private:
    std::ifstream file_;
    StreamBytes bytes_;
};

std::unique_ptr<ByteSource> OpenFile(const std::string& fileName) {
    std::error_code ec;
    if (std::filesystem::is_directory(fileName, ec))
        return nullptr;
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open())
        return nullptr;
    return std::make_unique<FileBytes>(std::move(file));
}

QImage ToImage(const BmpPicture& pic) {
    if (pic.IsEmpty())
        return {};
    QImage image(pic.width, pic.height, QImage::Format_RGB32);
    if (image.isNull())
        throw AppError("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");  // no memory for it
    const std::size_t rowBytes = static_cast<std::size_t>(pic.width) * sizeof(std::uint32_t);
    for (int y = 0; y < pic.height; ++y) {
        std::memcpy(image.scanLine(y), pic.pixels.data() + static_cast<std::size_t>(y) * pic.width,
                    rowBytes);
    }
    return image;
}

}  // namespace

QImage LoadPictureFile(const std::string& fileName) {
    return ToImage(LoadPicture(fileName, OpenFile));
}

QImage LoadBuiltInPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace mogran
