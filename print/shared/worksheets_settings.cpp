#include "worksheets_settings.h"

#include <charconv>
#include <system_error>

namespace mogran {

std::optional<Paper> PaperNamed(const std::string& name) {
    if (name == "A4")
        return Paper::A4;
    if (name == "B5")
        return Paper::B5;
    if (name == "Letter")
        return Paper::Letter;
    return std::nullopt;
}

PageExtent PaperExtent(Paper paper) {
    struct Points {
        std::int32_t width, height;
    };
    Points points{595, 842};
    if (paper == Paper::B5)
        points = {516, 729};
    else if (paper == Paper::Letter)
        points = {612, 792};
    const auto pixels = [](std::int32_t pt) { return (pt * 1200 + 36) / 72; };
    return PageExtent{pixels(points.width), pixels(points.height)};
}

NumberCheck CheckWholeNumber(const std::string& text, SettingRange range, std::int64_t& value) {
    const char* end = text.data() + text.size();
    std::int64_t number{};
    const auto [ptr, ec] = std::from_chars(text.data(), end, number);
    const bool digitsOnly = !text.empty() && text.front() >= '0' && text.front() <= '9';
    if (!digitsOnly || ptr != end || ec == std::errc::invalid_argument)
        return NumberCheck::NotWhole;
    if (ec == std::errc::result_out_of_range || number < range.min || number > range.max)
        return NumberCheck::OutOfRange;
    value = number;
    return NumberCheck::Ok;
}

}  // namespace mogran
