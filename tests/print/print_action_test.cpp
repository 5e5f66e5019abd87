#include "print_action.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "recording_device.h"
#include "recording_display.h"

namespace mogran {
namespace {

using Log = std::vector<std::string>;

// Answers the confirmation dialogs as told and logs what the action asks of the window.
class ScriptedPrompts : public PrintPrompts {
public:
    ScriptedPrompts(Log& log, const DrillData& data) : log_(log), data_(data) {}
    int dialog1 = kModalOk;
    int dialog2 = kModalYes;

    int ShowDialog1() override { return log_.push_back("dialog1"), dialog1; }
    int ShowDialog2() override { return log_.push_back("dialog2"), dialog2; }
    void FlushDisplay() override { log_.push_back(data_.printInProgress ? "flush busy" : "flush"); }
    void BeginBusy() override { log_.push_back("busy"); }
    void EndBusy() override { log_.push_back("idle"); }

private:
    Log& log_;
    const DrillData& data_;
};

TEST(PrintActionTest, ConfirmationDecidesPrintingAndAFreshSetAlwaysFollows) {
    struct Case {
        bool ticked;  // count fixed at 1: one page a pass; else 100 problems, five pages a pass
        int dialog1, dialog2;
        std::string failingOp;
        int failingCall;
        Log asked;  // dialogs shown and what the window was asked to do
        int jobsEnded;
        std::string error;
    };
    const Log printing = {"busy", "flush busy", "idle"};
    const auto then = [](Log a, const Log& b) { return a.insert(a.end(), b.begin(), b.end()), a; };
    const std::vector<Case> cases = {
        {true, kModalOk, kModalYes, "", 0, then({"dialog2"}, printing), 2, ""},
        {true, kModalOk, kModalNo, "", 0, {"dialog2"}, 0, ""},
        {true, kModalOk, kModalCancel, "", 0, {"dialog2"}, 0, ""},
        {false, kModalOk, kModalYes, "", 0, {"dialog1"}, 0, ""},
        {false, kModalCancel, kModalYes, "", 0, then({"dialog1", "dialog2"}, printing), 10, ""},
        {false, kModalCancel, kModalNo, "", 0, {"dialog1", "dialog2"}, 0, ""},
        {false, kModalCancel, kModalYes, "begin", 3, then({"dialog1", "dialog2"}, printing), 3,
         kPrinterNotValidMessage},
        {true, kModalOk, kModalYes, "end", 1, then({"dialog2"}, printing), 1,
         kPrinterNotValidMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "ticked " << c.ticked << ", dialog 1 " << c.dialog1
                                          << ", dialog 2 " << c.dialog2 << ", " << c.failingOp);
        Log log;
        DrillData data;
        RecordingDisplay display;
        DrillSession session(data, display);
        ScriptedPrompts prompts(log, data);
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
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(device.Count("end"), c.jobsEnded);
        EXPECT_EQ(log, c.asked);
        EXPECT_EQ(device.Count("setup"), std::count(log.begin(), log.end(), "busy"));
        // The fresh set: the flag is down before it is generated, so it reseeds on its own.
        EXPECT_FALSE(data.printInProgress);
        EXPECT_EQ(clockReads, device.Count("setup") + 1);
        EXPECT_EQ(data.state.CurrentNo, 1);
        EXPECT_EQ(display.picture, "mascot.bmp");
        EXPECT_EQ(display.Text(DisplayField::Edit6), "こたえをいれてリターン。");
    }
}

}  // namespace
}  // namespace mogran
