// Feeds arbitrary texts to the lenient answer reading and the strict count reading: neither
// may crash, and a text the strict reading accepts reads the same leniently.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "drill_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t lenient = mogran::ReadAnswerValue(text);
    const std::optional<std::int32_t> strict = mogran::TryStrToIntStrict(text);
    if (strict && *strict != lenient)
        __builtin_trap();
    return 0;
}
