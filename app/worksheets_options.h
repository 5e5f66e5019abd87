#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app_error.h"
#include "worksheets_settings.h"

namespace mogran {

// What mogran-worksheets was asked to make.
struct WorksheetsOptions {
    bool help = false;
    std::int32_t kind = 1;              // problem kind 1..8
    std::int32_t count = 100;           // problems per set, 1..100
    std::int32_t sets = 1;              // sets, 1..200
    std::optional<std::uint32_t> seed;  // random state of the first set; none: the clock's
    Paper paper = Paper::A4;
    std::string output;
};

// A command line that cannot be used; the message names the problem in one line.
class UsageError : public AppError {
public:
    using AppError::AppError;
};

// The options of the arguments after the program name ("--kind 3" or "--kind=3").
// "--help" anywhere asks for the usage alone. Throws UsageError.
WorksheetsOptions ParseWorksheetsOptions(const std::vector<std::string>& args);

// The usage text, in English and in Japanese.
std::string WorksheetsUsage();

}  // namespace mogran
