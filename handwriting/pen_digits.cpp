#include "pen_digits.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mogran {

namespace {

constexpr double kTabletHeight = 500;

[[noreturn]] void Fail(int lineNumber, const char* what) {
    throw std::runtime_error("pen digits line " + std::to_string(lineNumber) + ": " + what);
}

std::vector<PenDigitSample> ParsePenDigits(std::string_view text) {
    std::vector<PenDigitSample> samples;
    bool inStroke = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string line(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.rfind(".SEGMENT", 0) == 0) {
            const std::size_t quote = line.find('"');
            if (quote == std::string::npos || quote + 1 >= line.size() || line[quote + 1] < '0' ||
                line[quote + 1] > '9')
                Fail(lineNumber, "a segment without its digit");
            samples.push_back({line[quote + 1] - '0', 0, {}});
        } else if (line.rfind(".COMMENT", 0) == 0) {
            int digit = 0;
            int writer = 0;
            if (samples.empty() ||
                std::sscanf(line.c_str(), ".COMMENT %d %d", &digit, &writer) != 2)
                Fail(lineNumber, "a comment without digit and writer");
            samples.back().writer = writer;
        } else if (line.rfind(".PEN_DOWN", 0) == 0) {
            if (samples.empty() || inStroke)
                Fail(lineNumber, "a pen down outside a segment or inside a stroke");
            samples.back().strokes.emplace_back();
            inStroke = true;
        } else if (line.rfind(".PEN_UP", 0) == 0) {
            inStroke = false;
        } else if (inStroke) {
            double x = 0;
            double y = 0;
            if (std::sscanf(line.c_str(), "%lf %lf", &x, &y) != 2)
                Fail(lineNumber, "a point that is not two numbers");
            samples.back().strokes.back().push_back({x, kTabletHeight - y});
        }
    }
    return samples;
}

}  // namespace

std::vector<PenDigitSample> ReadPenDigitsFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw std::runtime_error("cannot open " + path);
    std::string text;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return ParsePenDigits(text);
}

}  // namespace mogran
