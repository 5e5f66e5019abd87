#include <istream>

#include "app_error.h"
#include "bmp_reader.h"

namespace mogran {

std::uint64_t StreamBytes::Size() {
    in_.seekg(0, std::ios::end);
    const std::streamoff end = in_.tellg();
    if (end < 0)
        throw AppError("ｽﾄﾘｰﾑからの読み込みｴﾗｰ");
    return static_cast<std::uint64_t>(end);
}

bool StreamBytes::ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) {
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(at));
    in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
    return static_cast<std::size_t>(in_.gcount()) == n;
}

BmpPicture ReadBmp(std::istream& file) {
    StreamBytes bytes(file);
    return ReadBmp(bytes);
}

}  // namespace mogran
