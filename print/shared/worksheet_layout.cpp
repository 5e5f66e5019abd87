#include "worksheet_layout.h"

#include <algorithm>

#include "problem_text.h"

namespace mogran {

WorksheetLayout MakeWorksheetLayout(PageExtent page, std::int32_t totalCount) {
    WorksheetLayout layout;
    layout.PageWidth = page.width;
    layout.PageHeight = page.height;
    layout.RowHeight = (page.height - kPageMargin) / 12;
    layout.BoxTop = layout.RowHeight / 2;
    layout.RightColumnX = page.width / 2;
    layout.PageCount = (totalCount + kProblemsPerPage - 1) / kProblemsPerPage;
    return layout;
}

std::string WorksheetLine(const Problem& problem, SheetPass pass) {
    std::string line = ProblemText(problem) + " ＝";
    if (pass == SheetPass::Answers)
        line += std::to_string(problem.Answer);
    return line;
}

namespace {

void PrintPage(const ProblemSet& problemSet, std::int32_t totalCount, const WorksheetLayout& l,
               SheetPass pass, std::int32_t& i, PrintDevice& device) {
    device.BeginJob();
    device.SetFont(kPrintFontFace, kPrintFontPoints);

    const std::int32_t right = l.PageWidth - kPageMargin;
    const std::int32_t bottom = l.BoxTop + l.RowHeight;
    device.MoveTo(kPageMargin, l.BoxTop);
    device.LineTo(right, l.BoxTop);
    device.LineTo(right, bottom);
    device.LineTo(kPageMargin, bottom);
    device.LineTo(kPageMargin, l.BoxTop);
    device.TextOut(l.RightColumnX, l.BoxTop + 20, kNameLabel);

    for (std::int32_t j = 1; j <= kProblemsPerPage; ++j) {
        if (i > totalCount)
            continue;
        const std::int32_t x = (i % 2 == 1) ? kPageMargin : l.RightColumnX;
        const std::int32_t y = l.RowHeight * ((j + 1) / 2) + l.RowHeight;
        device.TextOut(x, y, WorksheetLine(problemSet[i], pass));
        ++i;
    }
    device.EndJob();
}

}  // namespace

void PrintWorksheets(const ProblemSet& problemSet, std::int32_t totalCount, PrintDevice& device) {
    // The table has 100 entries; a count outside 0..100 never reaches here from the drill.
    totalCount = std::clamp(totalCount, std::int32_t{0}, ProblemSet::kSize);
    const WorksheetLayout layout = MakeWorksheetLayout(device.PageSize(), totalCount);
    for (const SheetPass pass : {SheetPass::Problems, SheetPass::Answers}) {
        std::int32_t i = 1;
        for (std::int32_t page = 1; page <= layout.PageCount; ++page) {
            PrintPage(problemSet, totalCount, layout, pass, i, device);
        }
    }
}

}  // namespace mogran
