#include "worksheet_layout.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "class_worksheets.h"
#include "drill_data.h"
#include "generator.h"
#include "recording_device.h"

namespace mogran {
namespace {

// Problem n reads "n＋0＋0" with answer n, so every printed line tells its number.
ProblemSet NumberedSet() {
    ProblemSet set;
    for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n)
        set[n] = Problem{0, n, kPlus, 0, 0, 0, kPlus, 0, 0, n};
    return set;
}

// Pages of 4,761 × 6,814 pixels: rows 551 high, the name box from (200, 275) to
// (4,561, 826), its label at (2,380, 295), columns at x 200 and 2,380, rows at y 1,102 … 6,061.
TEST(WorksheetLayoutTest, PagesOfTheWorkedExampleForEachCount) {
    const std::vector<std::string> box = {"font ＭＳゴシック 20", "move 200 275", "line 4561 275",
                                          "line 4561 826",        "line 200 826", "line 200 275",
                                          "text 2380 295 なまえ"};
    const std::vector<int> rowY = {1102, 1653, 2204, 2755, 3306, 3857, 4408, 4959, 5510, 6061};
    struct Case {
        std::int32_t count;
        int pagesPerPass;
    };
    for (const Case c : {Case{1, 1}, Case{20, 1}, Case{21, 2}, Case{100, 5}}) {
        SCOPED_TRACE("count " + std::to_string(c.count));
        testing::RecordingDevice device;
        PrintWorksheets(NumberedSet(), c.count, device);
        const auto& jobs = device.jobs;
        ASSERT_EQ(jobs.size(), 2u * c.pagesPerPass);
        EXPECT_EQ(device.calls["size"], 1);
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            const int first = 20 * static_cast<int>(k % c.pagesPerPass) + 1;
            std::vector<std::string> page = box;
            for (int n = first; n <= std::min(first + 19, c.count); ++n) {
                const std::string line = std::to_string(n) + "＋0＋0 ＝";
                page.push_back("text " + std::string(n % 2 ? "200 " : "2380 ") +
                               std::to_string(rowY[(n - first) / 2]) + " " + line +
                               (k < jobs.size() / 2 ? "" : std::to_string(n)));
            }
            EXPECT_EQ(jobs[k], page) << "job " << k + 1;
        }
    }
}

// Class sets: each set's pages are the drill's pages of the set drawn from its own state,
// and with more than one set every page ends with "No.i" at the left of its name box.
TEST(WorksheetLayoutTest, ClassSetsAreTheDrillsPagesWithTheirLabel) {
    for (const std::int32_t sets : {1, 2}) {
        testing::RecordingDevice device;
        std::vector<std::string> progress;
        PrintClassWorksheets({kWithParentheses, 21, sets, 4294967295u}, device,
                             [&](std::int32_t done, std::int32_t total) {
                                 progress.push_back(std::to_string(done) + "/" + std::to_string(total));
                             });
        ASSERT_EQ(device.jobs.size(), 4u * sets);
        std::vector<std::string> told;
        for (std::int32_t set = 1; set <= sets; ++set) {
            told.push_back(std::to_string(4 * set) + "/" + std::to_string(4 * sets));
            DrillData data;
            data.printInProgress = true;
            data.random.RandomState = 4294967295u + static_cast<std::uint32_t>(set - 1);
            GenerateProblemSet(data, kWithParentheses);
            testing::RecordingDevice drill;
            PrintWorksheets(data.problemSet, 21, drill);
            for (std::size_t k = 0; k < 4; ++k) {
                std::vector<std::string> page = drill.jobs[k];
                if (sets > 1)
                    page.push_back("text 300 295 No." + std::to_string(set));
                EXPECT_EQ(device.jobs[4 * (set - 1) + k], page) << "set " << set << " page " << k;
            }
        }
        EXPECT_EQ(progress, told);
    }
}

}  // namespace
}  // namespace mogran
