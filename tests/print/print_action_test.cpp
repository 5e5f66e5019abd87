#include "print_action.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app_error.h"
#include "generator.h"
#include "problem_text.h"
#include "recording_device.h"
#include "worksheet_layout.h"

namespace mogran {
namespace {

using testing::RecordingDevice;

// Shared record of what the prompts, the device and the display did, in order.
using EventLog = std::vector<std::string>;

class FakeDisplay : public DrillDisplay {
public:
    explicit FakeDisplay(EventLog& log) : log_(log) {}

    bool ticked = false;
    std::optional<std::string> failingPicture;
    std::map<DisplayField, std::string> texts;
    Rgb edit6Colour = clBlack;

    void SetText(DisplayField field, const std::string& text) override { texts[field] = text; }
    std::string Text(DisplayField field) const override {
        const auto it = texts.find(field);
        return it == texts.end() ? std::string() : it->second;
    }
    void SetEdit6Colour(Rgb colour) override { edit6Colour = colour; }
    void SetButton3Caption(const std::string&) override {}
    void SetButton3Hint(const std::string&) override {}
    void FocusEdit2() override {}
    void FocusButton3() override {}
    bool CheckBox1Ticked() const override { return ticked; }
    void SetCheckBox1Ticked(bool t) override { ticked = t; }
    int RadioGroup1ItemIndex() const override { return 0; }
    std::string InputBox(const std::string&, const std::string&, const std::string& d) override {
        return d;
    }
    void ShowPicture(const std::string& fileName) override {
        if (failingPicture && *failingPicture == fileName) {
            throw AppError("ﾌｧｲﾙ " + fileName + " は開けません");
        }
        log_.push_back("picture " + fileName);
    }
    void PlaySoundFile(const std::string&) override {}
    void CloseWindow() override {}

private:
    EventLog& log_;
};

class FakePrompts : public PrintPrompts {
public:
    FakePrompts(EventLog& log, const FakeDisplay& display, const DrillData& data)
        : log_(log), display_(display), data_(data) {}

    int dialog1Result = kModalCancel;
    int dialog2Result = kModalYes;
    std::string edit6AtFlush;
    bool printingAtFlush = false;
    std::string edit6AtBusyEnd;

    int ShowDialog1() override {
        log_.push_back("dialog1");
        return dialog1Result;
    }
    int ShowDialog2() override {
        log_.push_back("dialog2");
        return dialog2Result;
    }
    void FlushDisplay() override {
        log_.push_back("flush");
        edit6AtFlush = display_.Text(DisplayField::Edit6);
        printingAtFlush = data_.printInProgress;
    }
    void BeginBusy() override { log_.push_back("busy"); }
    void EndBusy() override {
        log_.push_back("idle");
        edit6AtBusyEnd = display_.Text(DisplayField::Edit6);
    }

private:
    EventLog& log_;
    const FakeDisplay& display_;
    const DrillData& data_;
};

constexpr const char* kAnswerPrompt = "こたえをいれてリターン。";

class PrintActionTest : public ::testing::Test {
protected:
    PrintActionTest() {
        // Each reading of the clock is one second later than the one before.
        data.random.SetClock([this] {
            ++clockReads;
            return TimeOfDay{9, 30, clockReads, 0};
        });
        device.onCall = [this](const std::string& op) {
            if (op == "setup" || op == "begin" || op == "end")
                log.push_back(op);
        };
        display.texts[DisplayField::Edit6] = "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。";
    }

    void Click() { BitBtn1Click(session, prompts, device); }

    // The message of the error the click ends with; empty when it ends without one.
    std::string ClickError() {
        try {
            Click();
        } catch (const AppError& e) {
            return e.what();
        }
        return {};
    }

    // Problem and answer lines the device received, in order.
    std::vector<std::string> PrintedLines() const {
        std::vector<std::string> lines;
        for (const auto& c : device.calls) {
            if (c.op == "text" && c.text != kNameLabel)
                lines.push_back(c.text);
        }
        return lines;
    }

    void ExpectFreshSetOnScreen() {
        EXPECT_FALSE(data.printInProgress);
        EXPECT_EQ(data.state.CurrentNo, 1);
        EXPECT_EQ(data.state.SetFinished, kFalse);
        EXPECT_EQ(data.state.MascotShown, kTrue);
        EXPECT_EQ(display.Text(DisplayField::Edit6), kAnswerPrompt);
        EXPECT_EQ(display.edit6Colour, clGreen);
        EXPECT_EQ(display.Text(DisplayField::Edit1), ProblemText(data.problemSet[1]));
    }

    EventLog log;
    DrillData data;
    FakeDisplay display{log};
    DrillSession session{data, display};
    FakePrompts prompts{log, display, data};
    RecordingDevice device;
    int clockReads = 0;
};

TEST_F(PrintActionTest, ConfirmationDecidesWhetherToPrint) {
    struct Case {
        bool ticked;
        int dialog1;
        int dialog2;
        bool setupAccepted;
        EventLog dialogs;  // the dialogs shown, and the set-up dialog when printing goes on
        bool prints;
    };
    const std::vector<Case> cases = {
        {true, kModalOk, kModalYes, true, {"dialog2", "setup"}, true},
        {true, kModalOk, kModalYes, false, {"dialog2", "setup"}, true},  // set-up cancelled
        {true, kModalOk, kModalNo, true, {"dialog2"}, false},
        {true, kModalOk, kModalCancel, true, {"dialog2"}, false},
        {false, kModalOk, kModalYes, true, {"dialog1"}, false},  // OK, Enter or Esc
        {false, kModalCancel, kModalYes, true, {"dialog1", "dialog2", "setup"}, true},
        {false, kModalCancel, kModalNo, true, {"dialog1", "dialog2"}, false},
        {false, kModalCancel, kModalCancel, true, {"dialog1", "dialog2"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "ticked " << c.ticked << ", dialog 1 gives "
                                          << c.dialog1 << ", dialog 2 gives " << c.dialog2);
        log.clear();
        device.calls.clear();
        display.ticked = c.ticked;
        prompts.dialog1Result = c.dialog1;
        prompts.dialog2Result = c.dialog2;
        device.setupResult = c.setupAccepted;
        data.state.CurrentNo = 7;
        data.state.SetFinished = kTrue;

        Click();

        EventLog dialogs;
        for (const std::string& e : log) {
            if (e == "dialog1" || e == "dialog2" || e == "setup")
                dialogs.push_back(e);
        }
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(device.Count("begin"), c.prints ? 10 : 0);  // 100 problems, 5 pages a pass
        ExpectFreshSetOnScreen();
    }
}

TEST_F(PrintActionTest, PrintsAFreshlySeededSetThenShowsAnotherOne) {
    display.ticked = true;
    data.state.CountFixed = kTrue;
    data.state.TotalCount = 21;
    data.state.Kind = kWithParentheses;

    Click();

    EXPECT_EQ(log, (EventLog{"dialog2", "setup", "busy", "flush", "begin", "end", "begin", "end",
                             "begin", "end", "begin", "end", "picture mascot.bmp", "idle"}));
    EXPECT_EQ(prompts.edit6AtFlush, "いんさつちゅうです");
    EXPECT_TRUE(prompts.printingAtFlush);
    EXPECT_EQ(prompts.edit6AtBusyEnd, kAnswerPrompt);

    // The printed set is the one the first clock reading seeds, generated without a reseed
    // of its own; the set on screen comes from the next reading.
    DrillData expected;
    expected.random.RandomState = 1000 * (((9 * 60) + 30) * 60 + 1);
    expected.printInProgress = true;
    expected.state.CountFixed = kTrue;
    GenerateProblemSet(expected, kWithParentheses);
    std::vector<std::string> lines;
    for (SheetPass pass : {SheetPass::Problems, SheetPass::Answers}) {
        for (std::int32_t n = 1; n <= 21; ++n)
            lines.push_back(WorksheetLine(expected.problemSet[n], pass));
    }
    EXPECT_EQ(PrintedLines(), lines);
    EXPECT_EQ(clockReads, 2);
    EXPECT_NE(data.problemSet, expected.problemSet);
    EXPECT_EQ(data.state.TotalCount, 21);
    ExpectFreshSetOnScreen();
}

TEST_F(PrintActionTest, FailedPrintStillStartsAFreshSetAndReportsThePrintError) {
    struct Case {
        const char* failingOp;
        int earlierCalls;
        int jobsEnded;
    };
    const std::vector<Case> cases = {
        {"size", 0, 0}, {"begin", 0, 0}, {"begin", 2, 2}, {"text", 30, 1}, {"end", 9, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.failingOp << " after " << c.earlierCalls);
        log.clear();
        device.calls.clear();
        display.ticked = true;
        display.texts[DisplayField::Edit6] = "";
        device.failAt = [&c](const std::string& op, int earlier) {
            if (op == c.failingOp && earlier == c.earlierCalls) {
                throw AppError("選択したﾌﾟﾘﾝﾀは有効ではありません");
            }
        };
        EXPECT_EQ(ClickError(), "選択したﾌﾟﾘﾝﾀは有効ではありません");
        EXPECT_EQ(device.Count("end"), c.jobsEnded);
        EXPECT_EQ(log.back(), "idle");
        ExpectFreshSetOnScreen();
    }
}

TEST_F(PrintActionTest, PrintErrorWinsWhenTheFreshSetFailsToo) {
    display.ticked = true;
    display.failingPicture = "mascot.bmp";
    device.failAt = [](const std::string& op, int) {
        if (op == "begin")
            throw AppError("選択したﾌﾟﾘﾝﾀは有効ではありません");
    };
    EXPECT_EQ(ClickError(), "選択したﾌﾟﾘﾝﾀは有効ではありません");
    EXPECT_FALSE(data.printInProgress);
    EXPECT_EQ(data.state.CurrentNo, 1);
    EXPECT_EQ(log.back(), "idle");
}

TEST_F(PrintActionTest, NoPrinterStopsBeforeAnythingChanges) {
    display.ticked = true;
    data.state.CurrentNo = 4;
    data.state.SetFinished = kFalse;
    const DrillState before = data.state;
    device.failAt = [](const std::string& op, int) {
        if (op == "setup")
            throw AppError("ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません");
    };
    EXPECT_EQ(ClickError(), "ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません");
    EXPECT_EQ(data.state, before);
    EXPECT_FALSE(data.printInProgress);
    EXPECT_EQ(display.Text(DisplayField::Edit6), "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。");
    EXPECT_EQ(log, (EventLog{"dialog2"}));
}

}  // namespace
}  // namespace mogran
