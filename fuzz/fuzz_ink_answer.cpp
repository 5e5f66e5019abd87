// Feeds arbitrary lines to the answer reading of mogran-read-digits and reads every box of
// what it accepts: neither may crash, and a line it refuses always says why.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "digit_reader.h"
#include "ink_answer_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto answer = mogran::ParseInkAnswer(line, error);
    if (!answer) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    for (const mogran::InkStrokes& box : answer->boxes) {
        const mogran::DigitReading reading = mogran::ReadDigit(box, answer->size);
        if (reading.digit < mogran::kNoDigit || reading.digit > 9 || !(reading.confidence >= 0) ||
            reading.confidence > 1)
            __builtin_trap();
    }
    return 0;
}
