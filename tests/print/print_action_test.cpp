#include "print_action.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "recording_device.h"
#include "recording_display.h"

namespace mogran {
namespace {

using Log = std::vector<std::string>;

// Answers the confirmation dialogs as told and logs what the action asks of the window, with
// the message shown when the window is painted.
struct ScriptedPrompts : PrintPrompts {
    ScriptedPrompts(Log& l, const DrillData& d, const RecordingDisplay& s)
        : log(l), data(d), shown(s) {}
    int ShowDialog1() override { return log.push_back("dialog1"), dialog1; }
    int ShowDialog2() override { return log.push_back("dialog2"), dialog2; }
    void FlushDisplay() override {
        log.push_back((data.printInProgress ? "flush busy " : "flush ") + shown.texts[5]);
    }
    void BeginBusy() override { log.push_back("busy"); }
    void EndBusy() override { log.push_back("idle"); }
    Log& log;
    const DrillData& data;
    const RecordingDisplay& shown;
    int dialog1 = kModalOk, dialog2 = kModalYes;
};

TEST(PrintActionTest, ConfirmationDecidesPrintingAndAFreshSetAlwaysFollows) {
    struct Case {
        bool ticked;  // count fixed at 1: one page a pass; else 100 problems, five pages a pass
        int dialog1, dialog2;
        std::string failingOp;  // the printer error at this call
        int failingCall;
        Log dialogs;
        int jobsEnded;
    };
    const std::vector<Case> cases = {
        {true, kModalOk, kModalYes, "", 0, {"dialog2"}, 2},
        {true, kModalOk, kModalNo, "", 0, {"dialog2"}, 0},
        {true, kModalOk, kModalCancel, "", 0, {"dialog2"}, 0},
        {false, kModalOk, kModalYes, "", 0, {"dialog1"}, 0},
        {false, kModalCancel, kModalYes, "", 0, {"dialog1", "dialog2"}, 10},
        {false, kModalCancel, kModalNo, "", 0, {"dialog1", "dialog2"}, 0},
        {false, kModalCancel, kModalYes, "begin", 3, {"dialog1", "dialog2"}, 3},
        {true, kModalOk, kModalYes, "end", 1, {"dialog2"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases.data() + 1));
        Log log;
        DrillData data;
        RecordingDisplay display;
        DrillSession session(data, display);
        ScriptedPrompts prompts(log, data, display);
        testing::RecordingDevice device;
        int clockReads = 0;
        data.random.SetClock([&] { return TimeOfDay{9, 30, ++clockReads, 0}; });
        display.ticked = c.ticked;
        data.state = {.TotalCount = 1, .CountFixed = ToFlag(c.ticked), .CurrentNo = 7};
        std::tie(prompts.dialog1, prompts.dialog2) = std::tie(c.dialog1, c.dialog2);
        device.failingOp = c.failingOp;
        device.failingCall = c.failingCall;

        std::string error;
        try {
            BitBtn1Click(session, prompts, device);
        } catch (const AppError& e) {
            error = e.what();
        }
        const bool printing = c.jobsEnded > 0;  // after the set-up dialog, busy until the end
        Log asked = c.dialogs;
        if (printing)
            asked.insert(asked.end(), {"busy", "flush busy いんさつちゅうです", "idle"});
        EXPECT_EQ(error, c.failingOp.empty() ? "" : kPrinterNotValidMessage);
        EXPECT_EQ(device.calls["end"], c.jobsEnded);
        EXPECT_EQ(log, asked);
        EXPECT_EQ(device.calls["setup"], printing ? 1 : 0);
        // The fresh set: the flag is down before it is generated, so it reseeds on its own.
        EXPECT_FALSE(data.printInProgress);
        EXPECT_EQ(clockReads, device.calls["setup"] + 1);
        EXPECT_EQ(data.state.CurrentNo, 1);
        EXPECT_EQ(display.picture, "mascot.bmp");
        EXPECT_EQ(display.Text(DisplayField::Edit6), "こたえをいれてリターン。");
    }
}

}  // namespace
}  // namespace mogran
