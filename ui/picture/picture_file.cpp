#include "picture_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "app_error.h"
#include "bmp_reader.h"
#include "picture_kind.h"

namespace mogran {
namespace {

const char* const kInvalidPicture = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return s;
}

// Opens the file for reading, or fails with the open message when it cannot be opened as a
// file.
std::ifstream OpenFile(const std::string& fileName) {
    std::error_code ec;
    const bool isDirectory = std::filesystem::is_directory(fileName, ec);
    std::ifstream in(fileName, std::ios::binary);
    if (isDirectory || !in.is_open()) {
        throw AppError("ﾌｧｲﾙ " + fileName + " は開けません");
    }
    return in;
}

QImage ToImage(const BmpPicture& pic) {
    if (pic.IsEmpty())
        return {};
    QImage image(pic.width, pic.height, QImage::Format_RGB32);
    if (image.isNull())
        throw AppError(kInvalidPicture);  // no memory for it
    const std::size_t rowBytes = static_cast<std::size_t>(pic.width) * sizeof(std::uint32_t);
    for (int y = 0; y < pic.height; ++y) {
        std::memcpy(image.scanLine(y), pic.pixels.data() + static_cast<std::size_t>(y) * pic.width,
                    rowBytes);
    }
    return image;
}

}  // namespace

std::string PictureExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos)
        return {};
    if (fileName.find_first_of(":\\", dot + 1) != std::string::npos)
        return {};
    return fileName.substr(dot + 1);
}

PictureKind KindOfExtension(const std::string& extension) {
    const std::string e = Lower(extension);
    if (e == "bmp")
        return PictureKind::Bitmap;
    if (e == "ico")
        return PictureKind::Icon;
    if (e == "wmf" || e == "emf")
        return PictureKind::Metafile;
    return PictureKind::Unknown;
}

QImage LoadPictureFile(const std::string& fileName) {
    const std::string extension = PictureExtension(fileName);
    const PictureKind kind = KindOfExtension(extension);
    if (kind == PictureKind::Unknown) {
        throw AppError("拡張子 ." + extension + " の画像形式は処理できません");
    }
    std::ifstream file = OpenFile(fileName);
    // Icons and metafiles are known kinds, but no picture of ours is one and we have no
    // reader for them: such a file is no picture we can show.
    if (kind != PictureKind::Bitmap)
        throw AppError(kInvalidPicture);
    return ToImage(ReadBmp(file));
}

}  // namespace mogran
