#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "print_device.h"

namespace mogran {

// The papers class worksheets are made on, always portrait and to the edge.
enum class Paper { A4, B5, Letter };

// The name a paper is asked for by ("A4", "B5" for JIS B5, "Letter"); none for another text.
std::optional<Paper> PaperNamed(const std::string& name);

// A paper's whole page in device pixels at 1200 per inch: its size in whole points
// (595 x 842 for A4, 516 x 729 for JIS B5, 612 x 792 for Letter), times 1200 / 72, rounded.
PageExtent PaperExtent(Paper paper);

// The whole numbers a class set is asked for with, and where each may lie.
struct SettingRange {
    std::int64_t min;
    std::int64_t max;
};
inline constexpr SettingRange kKindRange{1, 8};
inline constexpr SettingRange kCountRange{1, 100};
inline constexpr SettingRange kSetsRange{1, 200};
inline constexpr SettingRange kSeedRange{0, 4294967295};

enum class NumberCheck { Ok, NotWhole, OutOfRange };

// A setting typed as text: decimal digits only (no sign, no spaces), within the range. On Ok,
// `value` holds the number.
NumberCheck CheckWholeNumber(const std::string& text, SettingRange range, std::int64_t& value);

}  // namespace mogran
