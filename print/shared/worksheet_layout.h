#pragma once

#include <cstdint>
#include <string>

#include "drill_state.h"
#include "print_device.h"

namespace mogran {

inline constexpr std::int32_t kPageMargin = 200;
inline constexpr std::int32_t kProblemsPerPage = 20;
inline constexpr const char* kPrintFontFace = "ＭＳゴシック";
inline constexpr std::int32_t kPrintFontPoints = 20;
inline constexpr const char* kNameLabel = "なまえ";

// Positions shared by every page of both passes, in device pixels.
struct WorksheetLayout {
    std::int32_t PageWidth = 0;
    std::int32_t PageHeight = 0;
    std::int32_t RowHeight = 0;
    std::int32_t BoxTop = 0;
    std::int32_t RightColumnX = 0;
    std::int32_t PageCount = 0;  // pages per pass

    bool operator==(const WorksheetLayout&) const = default;
};

WorksheetLayout MakeWorksheetLayout(PageExtent page, std::int32_t totalCount);

enum class SheetPass { Problems, Answers };

// The printed line of a problem: its text and " ＝", on answer sheets followed by the answer.
std::string WorksheetLine(const Problem& problem, SheetPass pass);

// Prints problems 1..totalCount as problem sheets and then as answer sheets, one job per
// page. Queries the page size once.
void PrintWorksheets(const ProblemSet& problemSet, std::int32_t totalCount, PrintDevice& device);

}  // namespace mogran
