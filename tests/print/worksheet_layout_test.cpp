#include "worksheet_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "problem_text.h"
#include "recording_device.h"

namespace mogran {
namespace {

using testing::DeviceCall;
using testing::RecordingDevice;

// Problem n reads "n＋0＋0" with answer n, so every printed line tells its number.
ProblemSet NumberedSet() {
    ProblemSet set;
    for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
        Problem& p = set[n];
        p.First = n;
        p.Op1 = kPlus;
        p.Op2 = kPlus;
        p.Answer = n;
    }
    return set;
}

std::string ProblemLine(std::int32_t n) {
    return std::to_string(n) + "＋0＋0 ＝";
}
std::string AnswerLine(std::int32_t n) {
    return ProblemLine(n) + std::to_string(n);
}

TEST(WorksheetLayoutTest, WorkedExamplePageDrawsBoxLabelAndRows) {
    const WorksheetLayout layout = MakeWorksheetLayout({4761, 6814}, 20);
    EXPECT_EQ(layout, (WorksheetLayout{4761, 6814, 551, 275, 2380, 1}));

    RecordingDevice device;
    PrintWorksheets(NumberedSet(), 20, device);

    std::vector<DeviceCall> expected = {
        {"font", 0, 0, "ＭＳゴシック", 20},
        {"move", 200, 275},
        {"line", 4561, 275},
        {"line", 4561, 826},
        {"line", 200, 826},
        {"line", 200, 275},
        {"text", 2380, 295, "なまえ"},
    };
    for (std::int32_t n = 1; n <= 20; ++n) {
        const std::int32_t row = (n + 1) / 2;
        expected.push_back({"text", n % 2 == 1 ? 200 : 2380, 551 * (row + 1), ProblemLine(n)});
    }
    ASSERT_EQ(device.Jobs().size(), 2u);
    EXPECT_EQ(device.Jobs()[0], expected);
    EXPECT_EQ(expected[7].y, 1102);
    EXPECT_EQ(expected.back().y, 6061);
    EXPECT_EQ(device.Count("size"), 1);
}

TEST(WorksheetLayoutTest, CountsGiveJobsPagesAndSlots) {
    struct Case {
        std::int32_t count;
        int jobsPerPass;
        int problemsOnLastPage;
    };
    const std::vector<Case> cases = {{1, 1, 1}, {20, 1, 20}, {21, 2, 1}, {39, 2, 19}, {100, 5, 20}};
    const ProblemSet set = NumberedSet();
    for (const Case& c : cases) {
        SCOPED_TRACE("count " + std::to_string(c.count));
        RecordingDevice device;
        PrintWorksheets(set, c.count, device);

        const auto jobs = device.Jobs();
        ASSERT_EQ(jobs.size(), static_cast<size_t>(2 * c.jobsPerPass));
        EXPECT_EQ(device.Count("begin"), device.Count("end"));
        EXPECT_EQ(device.Count("size"), 1);

        // Every page of both passes has the font, the box and the label, then its problems.
        for (size_t k = 0; k < jobs.size(); ++k) {
            const bool answers = k >= static_cast<size_t>(c.jobsPerPass);
            const int page = static_cast<int>(k) % c.jobsPerPass + 1;
            const auto& job = jobs[k];
            ASSERT_GE(job.size(), 7u);
            EXPECT_EQ(job[0].op, "font");
            EXPECT_EQ(job[1], (DeviceCall{"move", 200, 275}));
            EXPECT_EQ(job[6], (DeviceCall{"text", 2380, 295, "なまえ"}));

            const std::int32_t first = 20 * (page - 1) + 1;
            const std::int32_t last = std::min(first + 19, c.count);
            ASSERT_EQ(job.size(), static_cast<size_t>(7 + last - first + 1));
            for (std::int32_t n = first; n <= last; ++n) {
                const DeviceCall& t = job[static_cast<size_t>(7 + n - first)];
                const std::int32_t slot = n - first + 1;
                EXPECT_EQ(t.text, answers ? AnswerLine(n) : ProblemLine(n));
                EXPECT_EQ(t.x, n % 2 == 1 ? 200 : 2380) << "problem " << n;
                EXPECT_EQ(t.y, 551 * ((slot + 1) / 2 + 1)) << "problem " << n;
            }
        }

        EXPECT_EQ(jobs.back().size(), static_cast<size_t>(7 + c.problemsOnLastPage));
    }
}

TEST(WorksheetLayoutTest, LayoutFollowsThePrintableArea) {
    struct Case {
        PageExtent page;
        std::int32_t count;
        WorksheetLayout expected;
    };
    const std::vector<Case> cases = {
        {{4761, 6814}, 100, {4761, 6814, 551, 275, 2380, 5}},
        {{2380, 3407}, 1, {2380, 3407, 267, 133, 1190, 1}},  // 300 dpi: 3207 div 12 = 267
        {{4961, 7016}, 21, {4961, 7016, 568, 284, 2480, 2}},
        {{1000, 211}, 40, {1000, 211, 0, 0, 500, 2}},  // tiny page: rows collapse
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeWorksheetLayout(c.page, c.count), c.expected)
            << c.page.width << "x" << c.page.height;
    }
}

TEST(WorksheetLayoutTest, LinesShowProblemTextAsOnScreenWithEqualsAndAnswer) {
    struct Case {
        Problem problem;
        const char* problemLine;
        const char* answerLine;
    };
    // Kind 8 forms with either pair of parentheses, and the other operator glyphs.
    const std::vector<Case> cases = {
        {{kTrue, 3, kPlus, 0, 4, kTrue, kTimes, 2, 0, 14}, "(3＋4)×2 ＝", "(3＋4)×2 ＝14"},
        {{0, 12, kDivide, kTrue, 5, 0, kMinus, 2, kTrue, 4}, "12÷(5－2) ＝", "12÷(5－2) ＝4"},
        {{0, 0, kTimes, 0, 9, 0, kDivide, 3, 0, 0}, "0×9÷3 ＝", "0×9÷3 ＝0"},
        {{0, 9, kMinus, 0, 9, 0, kPlus, 0, 0, 729}, "9－9＋0 ＝", "9－9＋0 ＝729"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WorksheetLine(c.problem, SheetPass::Problems), c.problemLine);
        EXPECT_EQ(WorksheetLine(c.problem, SheetPass::Answers), c.answerLine);
        EXPECT_EQ(WorksheetLine(c.problem, SheetPass::Problems), ProblemText(c.problem) + " ＝");
    }
}

}  // namespace
}  // namespace mogran
