// Feeds arbitrary bytes to our BMP reader: it must either decode them or fail with AppError.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app_error.h"
#include "bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
        const mogran::BmpPicture pic = mogran::ReadBmp(file);
        if (pic.pixels.size() != static_cast<std::size_t>(pic.width) * pic.height)
            __builtin_trap();
    } catch (const mogran::AppError&) {
    }
    return 0;
}
