#include "picture_kind.h"

#include <algorithm>

#include "app_error.h"

namespace mogran {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return s;
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

BmpPicture LoadPicture(const std::string& fileName, const PictureOpener& open) {
    const std::string extension = PictureExtension(fileName);
    const PictureKind kind = KindOfExtension(extension);
    if (kind == PictureKind::Unknown)
        throw AppError("拡張子 ." + extension + " の画像形式は処理できません");
    const std::unique_ptr<ByteSource> file = open(fileName);
    if (!file)
        throw AppError("ﾌｧｲﾙ " + fileName + " は開けません");
    // Icons and metafiles are known kinds, but no picture of ours is one and we have no
    // reader for them: such a file is no picture we can show.
    if (kind != PictureKind::Bitmap)
        throw AppError("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
    return ReadBmp(*file);
}

}  // namespace mogran
