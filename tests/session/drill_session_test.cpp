#include "drill_session.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app_error.h"
#include "drill_data.h"
#include "generator.h"
#include "problem_text.h"
#include "recording_display.h"

namespace mogran {
namespace {

using Field = DisplayField;
using Focus = RecordingDisplay::Focus;

const std::string kPrompt = "こたえをいれてリターン。";
const std::string kRight = "せいかいです！";
const std::string kWrong = "ぶ～　まちがえたよ";
constexpr std::int32_t kDigitOneKey = 0x31;

// One run of the drill on a recording display, with the pupil's usual actions.
struct Drill {
    Drill() {
        data.random.SetClock([] { return TimeOfDay{10, 20, 30, 400}; });
        session.FormCreate();
    }

    DrillData data;
    RecordingDisplay display;
    DrillSession session{data, display};

    DrillState& State() { return data.state; }
    std::string Text(Field field) const { return display.Text(field); }
    std::int32_t AnswerOf(std::int32_t n) const { return data.problemSet[n].Answer; }
    std::int32_t CurrentAnswer() const { return AnswerOf(data.state.CurrentNo); }

    // A key goes down and up in the answer box, which then holds the text.
    void Type(const std::string& text) {
        session.Edit2KeyDown(kDigitOneKey);
        display.texts[static_cast<std::size_t>(Field::Edit2)] = text;
        session.Edit2KeyUp();
    }
    void PressEnter() {
        session.Edit2KeyDown(kEnterKey);
        session.Edit2KeyUp();
    }
    void AnswerRight() {
        Type(std::to_string(CurrentAnswer()));
        PressEnter();
    }
    void AnswerWrong() {
        Type(std::to_string(CurrentAnswer() + 1));
        PressEnter();
    }
    // The tick flips before the handler runs, as in the window.
    void ClickCheckBox1() {
        display.ticked = !display.ticked;
        session.CheckBox1Click();
    }
    void SetCount(const std::optional<std::string>& answer) {
        display.inputAnswers.push_back(answer);
        ClickCheckBox1();
    }
};

class DrillSessionTest : public ::testing::Test, public Drill {};

TEST_F(DrillSessionTest, FormCreateWritesStartupTextsAndResetsTheData) {
    data.state.CurrentNo = 7;
    data.state.Kind = 4;
    data.state.CountFixed = kTrue;
    data.printInProgress = true;
    session.FormCreate();
    const std::array<std::string, 6> expected = {
        "もんだい", "こたえ", "", "", "", "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。"};
    EXPECT_EQ(display.texts, expected);
    EXPECT_EQ(data.state, DrillState{});
    EXPECT_FALSE(data.printInProgress);
}

TEST_F(DrillSessionTest, SetOfThreeShowsRatesAndFinalScore) {
    SetCount("3");
    session.Button1Click();
    EXPECT_EQ(display.edit6Colour, clGreen);
    EXPECT_EQ(display.picture, "mascot.bmp");
    EXPECT_EQ(Text(Field::Edit6), kPrompt);
    EXPECT_EQ(Text(Field::Edit1), ProblemText(data.problemSet[1]));
    EXPECT_EQ(Text(Field::Edit3), "3");
    EXPECT_EQ(Text(Field::Edit4), "1");
    EXPECT_EQ(Text(Field::Edit5), "0");
    EXPECT_EQ(display.focus, Focus::Edit2);

    AnswerRight();
    EXPECT_EQ(Text(Field::Edit6), kRight);
    EXPECT_EQ(display.picture, "maru1.bmp");
    EXPECT_EQ(display.sound, "maru1.wav");
    EXPECT_EQ(Text(Field::Edit1), ProblemText(data.problemSet[2]));
    EXPECT_EQ(Text(Field::Edit2), "");
    EXPECT_EQ(Text(Field::Edit4), "2");
    EXPECT_EQ(Text(Field::Edit5), "100");

    const std::string wrongText = std::to_string(CurrentAnswer() + 1);
    AnswerWrong();
    EXPECT_EQ(Text(Field::Edit6), kWrong);
    EXPECT_EQ(display.picture, "batu1.bmp");
    EXPECT_EQ(display.sound, "batu1.wav");
    EXPECT_EQ(Text(Field::Edit2), wrongText);
    EXPECT_EQ(Text(Field::Edit4), "2");
    EXPECT_EQ(Text(Field::Edit5), " 50");

    AnswerRight();
    EXPECT_EQ(Text(Field::Edit4), "3");
    EXPECT_EQ(Text(Field::Edit5), "50");

    AnswerRight();
    EXPECT_EQ(Text(Field::Edit6), "66てんです。おしまいです。");
    EXPECT_EQ(display.edit6Colour, clRed);
    EXPECT_EQ(Text(Field::Edit5), "66");
    EXPECT_EQ(Text(Field::Edit4), "3");
    EXPECT_EQ(Text(Field::Edit1), ProblemText(data.problemSet[3]));
    EXPECT_EQ(State().CorrectCount, 2);
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_TRUE(IsSet(State().SetFinished));
}

TEST_F(DrillSessionTest, WrongAnswerAtFirstProblemShowsZeroRate) {
    session.Button1Click();
    AnswerWrong();
    EXPECT_EQ(Text(Field::Edit5), " 0");
    EXPECT_FALSE(IsSet(State().FirstTry));
}

TEST_F(DrillSessionTest, EmptyAnswerIsRightWhenTheAnswerIsZero) {
    session.Button1Click();
    data.problemSet[1].Answer = 0;
    Type("");
    PressEnter();
    EXPECT_EQ(State().CurrentNo, 2);
    EXPECT_EQ(State().CorrectCount, 1);
}

TEST_F(DrillSessionTest, EnterAndButton3DoNothingRightAfterStartup) {
    const auto logSize = display.log.size();
    session.Edit2KeyUp();
    session.Edit2KeyDown(kEnterKey);
    session.Button3Click();
    EXPECT_EQ(display.log.size(), logSize);
    EXPECT_EQ(data.state, DrillState{});
}

TEST_F(DrillSessionTest, HeldEnterIsJudgedOnce) {
    for (const bool right : {true, false}) {
        SCOPED_TRACE(right ? "right" : "wrong");
        session.Button1Click();
        Type(std::to_string(CurrentAnswer() + (right ? 0 : 1)));
        for (int i = 0; i < 4; ++i)
            session.Edit2KeyDown(kEnterKey);
        EXPECT_EQ(display.Count(right ? "PlaySoundFile maru1.wav" : "PlaySoundFile batu1.wav"), 1);
        EXPECT_EQ(State().CurrentNo, right ? 2 : 1);
        // The first repeat already brought the mascot back.
        EXPECT_EQ(display.picture, "mascot.bmp");
        EXPECT_EQ(Text(Field::Edit6), kPrompt);
        session.Edit2KeyUp();
        display.log.clear();
    }
}

TEST_F(DrillSessionTest, KeyPressBringsTheMascotBackOnlyWhenItIsAway) {
    session.Button1Click();
    session.Edit2KeyDown('A');
    EXPECT_EQ(display.Count("ShowPicture mascot.bmp"), 1);

    AnswerWrong();
    session.Edit2KeyDown('A');
    EXPECT_EQ(display.Count("ShowPicture mascot.bmp"), 2);
    EXPECT_EQ(display.picture, "mascot.bmp");
    EXPECT_EQ(Text(Field::Edit6), kPrompt);
    EXPECT_TRUE(IsSet(State().MascotShown));
    session.Edit2KeyDown('B');
    EXPECT_EQ(display.Count("ShowPicture mascot.bmp"), 2);
}

TEST_F(DrillSessionTest, AfterTheSetOnlyTheMascotComesBack) {
    SetCount("1");
    session.Button1Click();
    AnswerRight();
    ASSERT_TRUE(IsSet(State().SetFinished));
    ASSERT_EQ(Text(Field::Edit6), "100てんです。おしまいです。");

    session.Edit2KeyDown(kDigitOneKey);
    EXPECT_EQ(display.picture, "mascot.bmp");
    EXPECT_EQ(Text(Field::Edit6), kPrompt);
    EXPECT_EQ(display.edit6Colour, clRed);
    EXPECT_EQ(Text(Field::Edit5), "100");

    session.Edit2KeyUp();
    const DrillState before = data.state;
    const auto logSize = display.log.size();
    session.Edit2KeyDown(kEnterKey);
    session.Button3Click();
    EXPECT_EQ(display.log.size(), logSize);
    DrillState expected = before;
    expected.EnterArmed = kFalse;
    EXPECT_EQ(data.state, expected);
}

TEST_F(DrillSessionTest, RevealThenMoveOn) {
    session.Button1Click();
    AnswerWrong();
    session.Button3Click();
    EXPECT_EQ(Text(Field::Edit6), "せいかいは " + std::to_string(AnswerOf(1)) + " でした。");
    EXPECT_EQ(display.button3Caption, "つぎのもんだい");
    EXPECT_EQ(display.button3Hint, "つぎのもんだいにすすみます");
    EXPECT_EQ(display.focus, Focus::Button3);
    EXPECT_EQ(display.picture, "mascot.bmp");
    EXPECT_TRUE(IsSet(State().AnswerShown));
    EXPECT_EQ(State().CurrentNo, 1);

    session.Button3Click();
    EXPECT_EQ(display.button3Caption, "せいかいを見る");
    EXPECT_EQ(display.button3Hint, "正解を出します");
    EXPECT_EQ(Text(Field::Edit6), kPrompt);
    EXPECT_EQ(Text(Field::Edit1), ProblemText(data.problemSet[2]));
    EXPECT_EQ(Text(Field::Edit4), "2");
    EXPECT_EQ(Text(Field::Edit5), "0");
    EXPECT_EQ(display.focus, Focus::Edit2);
    EXPECT_FALSE(IsSet(State().AnswerShown));
    EXPECT_TRUE(IsSet(State().FirstTry));
    EXPECT_EQ(State().CorrectCount, 0);
}

TEST_F(DrillSessionTest, RevealingTheLastProblemEndsTheSet) {
    SetCount("2");
    session.Button1Click();
    AnswerRight();
    const std::string reveal = "せいかいは " + std::to_string(CurrentAnswer()) + " でした。";
    session.Button3Click();
    EXPECT_TRUE(IsSet(State().SetFinished));
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_EQ(Text(Field::Edit6), "50てんです。おしまいです。");
    EXPECT_EQ(display.edit6Colour, clRed);
    EXPECT_EQ(Text(Field::Edit4), "2");
    EXPECT_EQ(display.button3Caption, "つぎのもんだい");
    // The reveal text was written and at once replaced by the score.
    EXPECT_EQ(display.Count("SetText Edit6 " + reveal), 1);

    const auto logSize = display.log.size();
    session.Button3Click();
    EXPECT_EQ(display.log.size(), logSize);
}

TEST_F(DrillSessionTest, AnswerTypedAfterRevealMovesOnWithoutCounting) {
    session.Button1Click();
    session.Button3Click();
    AnswerRight();
    EXPECT_EQ(State().CurrentNo, 2);
    EXPECT_EQ(State().CorrectCount, 0);
    EXPECT_EQ(display.button3Caption, "つぎのもんだい");

    session.Button3Click();  // reveals the new problem despite the caption
    EXPECT_EQ(State().CurrentNo, 2);
    EXPECT_EQ(Text(Field::Edit6), "せいかいは " + std::to_string(AnswerOf(2)) + " でした。");
}

struct CountCase {
    std::optional<std::string> answer;  // nullopt: Cancel
    std::optional<std::int32_t> count;  // nullopt: the conversion fails
};

TEST(CheckBox1Test, CountDialogReadings) {
    const CountCase cases[] = {
        {"7", 7},
        {"0", 10},
        {"-5", 10},
        {"150", 100},
        {"$14", 20},
        {std::nullopt, 10},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"10 ", std::nullopt},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE("answer: " + c.answer.value_or("(Cancel)"));
        Drill d;
        d.session.Button1Click();
        d.display.focus = Focus::None;
        if (c.count) {
            d.SetCount(c.answer);
            EXPECT_EQ(d.State().CountSetting, *c.count);
            EXPECT_EQ(d.State().TotalCount, *c.count);
            EXPECT_EQ(d.Text(Field::Edit3), std::to_string(*c.count));
            EXPECT_TRUE(IsSet(d.State().CountFixed));
            EXPECT_EQ(d.display.focus, Focus::Edit2);
        } else {
            try {
                d.SetCount(c.answer);
                ADD_FAILURE() << "no failure";
            } catch (const AppError& e) {
                EXPECT_EQ(std::string(e.what()), "'" + *c.answer + "' は整数ではありません");
            }
            EXPECT_EQ(d.State().CountSetting, 10);
            EXPECT_EQ(d.State().TotalCount, 100);
            EXPECT_EQ(d.Text(Field::Edit3), "100");
            EXPECT_FALSE(IsSet(d.State().CountFixed));
            EXPECT_EQ(d.display.focus, Focus::None);
            // The tick is put back so that it agrees with the setting.
            EXPECT_FALSE(d.display.ticked);
            // The next click asks again, and tick and setting still agree.
            d.SetCount("5");
            EXPECT_EQ(d.display.inputBoxCalls.size(), 2u);
            EXPECT_TRUE(IsSet(d.State().CountFixed));
            EXPECT_EQ(d.State().TotalCount, 5);
        }
        EXPECT_TRUE(d.display.ticked);
        ASSERT_FALSE(d.display.inputBoxCalls.empty());
        EXPECT_EQ(d.display.inputBoxCalls[0].caption, "問題数を決めます");
        EXPECT_EQ(d.display.inputBoxCalls[0].prompt, "何問やりますか？");
        EXPECT_EQ(d.display.inputBoxCalls[0].defaultText, "10");
    }
}

TEST_F(DrillSessionTest, SwitchingTheCountOffKeepsItUntilTheNextStart) {
    SetCount("7");
    session.Button1Click();
    EXPECT_EQ(State().TotalCount, 7);
    display.focus = Focus::None;
    ClickCheckBox1();
    EXPECT_FALSE(IsSet(State().CountFixed));
    EXPECT_EQ(State().TotalCount, 7);
    EXPECT_EQ(Text(Field::Edit3), "7");
    EXPECT_EQ(display.inputBoxCalls.size(), 1u);
    EXPECT_EQ(display.focus, Focus::Edit2);
    session.Button1Click();
    EXPECT_EQ(State().TotalCount, 100);
    EXPECT_EQ(Text(Field::Edit3), "100");
}

TEST_F(DrillSessionTest, LoweringTheCountMidSetEndsItAtTheNextStep) {
    for (const bool byReveal : {false, true}) {
        SCOPED_TRACE(byReveal ? "reveal" : "right answer");
        if (IsSet(State().CountFixed))
            ClickCheckBox1();
        session.Button1Click();
        for (int i = 0; i < 14; ++i)
            AnswerRight();
        ASSERT_EQ(State().CurrentNo, 15);
        SetCount("10");
        EXPECT_EQ(Text(Field::Edit3), "10");
        EXPECT_EQ(Text(Field::Edit4), "15");
        if (byReveal) {
            session.Button3Click();
        } else {
            AnswerRight();
        }
        EXPECT_TRUE(IsSet(State().SetFinished));
        const std::string score = byReveal ? "140" : "150";
        EXPECT_EQ(Text(Field::Edit6), score + "てんです。おしまいです。");
        EXPECT_EQ(Text(Field::Edit5), score);
    }
}

TEST_F(DrillSessionTest, ChoosingAKindTakesEffectAtTheNextStart) {
    session.Button1Click();
    const ProblemSet before = data.problemSet;
    const std::string shown = Text(Field::Edit1);
    display.radioIndex = 6;
    session.RadioGroup1Click();
    EXPECT_EQ(State().Kind, kMultiplicationDivision);
    EXPECT_EQ(data.problemSet, before);
    EXPECT_EQ(Text(Field::Edit1), shown);
    session.Button1Click();
    EXPECT_TRUE(data.problemSet[1].Op1 == kTimes || data.problemSet[1].Op1 == kDivide);
}

// A failing step ends the handler: what came before stays, what follows does not run.

TEST_F(DrillSessionTest, StartFailingOnTheMascotKeepsTheNewSetAndTheOldScreen) {
    session.Button1Click();
    AnswerWrong();
    const std::string oldProblem = Text(Field::Edit1);
    const ProblemSet oldSet = data.problemSet;
    data.random.SetClock([] { return TimeOfDay{1, 2, 3, 4}; });
    display.FailAt("ShowPicture mascot.bmp");
    EXPECT_THROW(session.Button1Click(), AppError);

    EXPECT_NE(data.problemSet, oldSet);
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_FALSE(IsSet(State().SetFinished));
    EXPECT_EQ(display.Count("SetEdit6Colour 0,128,0"), 2);
    EXPECT_FALSE(IsSet(State().MascotShown));
    EXPECT_EQ(Text(Field::Edit6), kWrong);
    EXPECT_EQ(Text(Field::Edit1), oldProblem);

    // Answers are judged against problem 1 of the new set.
    display.texts[static_cast<std::size_t>(Field::Edit2)] = std::to_string(AnswerOf(1));
    PressEnter();
    EXPECT_EQ(State().CurrentNo, 2);
}

TEST_F(DrillSessionTest, KeyFailingOnTheMascotNeitherDisarmsNorJudges) {
    session.Button1Click();
    AnswerWrong();
    display.texts[static_cast<std::size_t>(Field::Edit2)] = std::to_string(CurrentAnswer());
    const auto logSize = display.log.size();
    display.FailAt("ShowPicture mascot.bmp");
    EXPECT_THROW(session.Edit2KeyDown(kEnterKey), AppError);
    EXPECT_EQ(display.log.size(), logSize);
    EXPECT_TRUE(IsSet(State().EnterArmed));
    EXPECT_FALSE(IsSet(State().MascotShown));
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_EQ(Text(Field::Edit6), kWrong);

    session.Edit2KeyDown(kEnterKey);
    EXPECT_EQ(State().CurrentNo, 2);
}

TEST_F(DrillSessionTest, RightAnswerFailingOnItsPictureIsJudgedAgainLater) {
    session.Button1Click();
    display.FailAt("ShowPicture maru1.bmp");
    Type(std::to_string(CurrentAnswer()));
    EXPECT_THROW(session.Edit2KeyDown(kEnterKey), AppError);
    EXPECT_EQ(Text(Field::Edit6), kRight);
    EXPECT_TRUE(IsSet(State().MascotShown));
    EXPECT_EQ(display.Count("PlaySoundFile maru1.wav"), 0);
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_EQ(State().CorrectCount, 0);
    EXPECT_EQ(Text(Field::Edit4), "1");

    PressEnter();  // not armed yet: the key was never released
    EXPECT_EQ(State().CurrentNo, 1);
    PressEnter();
    EXPECT_EQ(State().CurrentNo, 2);
    EXPECT_EQ(State().CorrectCount, 1);
}

TEST_F(DrillSessionTest, RightAnswerFailingOnItsSoundStaysOnTheProblem) {
    session.Button1Click();
    display.FailAt("PlaySoundFile maru1.wav");
    const std::string typed = std::to_string(CurrentAnswer());
    Type(typed);
    EXPECT_THROW(session.Edit2KeyDown(kEnterKey), AppError);
    EXPECT_EQ(Text(Field::Edit6), kRight);
    EXPECT_EQ(display.picture, "maru1.bmp");
    EXPECT_FALSE(IsSet(State().MascotShown));
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_EQ(State().CorrectCount, 0);
    EXPECT_EQ(Text(Field::Edit4), "1");
    EXPECT_EQ(Text(Field::Edit2), typed);
}

TEST_F(DrillSessionTest, WrongAnswerFailingOnItsPicture) {
    session.Button1Click();
    display.FailAt("ShowPicture batu1.bmp");
    Type(std::to_string(CurrentAnswer() + 1));
    EXPECT_THROW(session.Edit2KeyDown(kEnterKey), AppError);
    EXPECT_FALSE(IsSet(State().FirstTry));
    EXPECT_EQ(Text(Field::Edit6), kWrong);
    EXPECT_EQ(display.Count("PlaySoundFile batu1.wav"), 0);
    EXPECT_TRUE(IsSet(State().MascotShown));
    EXPECT_EQ(Text(Field::Edit5), "0");
}

TEST_F(DrillSessionTest, WrongAnswerFailingOnItsSoundLeavesTheMascotFlagSet) {
    session.Button1Click();
    display.FailAt("PlaySoundFile batu1.wav");
    Type(std::to_string(CurrentAnswer() + 1));
    EXPECT_THROW(session.Edit2KeyDown(kEnterKey), AppError);
    EXPECT_FALSE(IsSet(State().FirstTry));
    EXPECT_EQ(Text(Field::Edit6), kWrong);
    EXPECT_EQ(display.picture, "batu1.bmp");
    EXPECT_TRUE(IsSet(State().MascotShown));
    EXPECT_EQ(Text(Field::Edit5), "0");

    session.Edit2KeyDown(kDigitOneKey);  // the mascot does not come back
    EXPECT_EQ(display.picture, "batu1.bmp");
    EXPECT_EQ(Text(Field::Edit6), kWrong);
}

TEST(Button3ClickTest, RevealFailingOnTheMascotKeepsTheFocus) {
    for (const bool last : {false, true}) {
        SCOPED_TRACE(last ? "last problem" : "not the last problem");
        Drill d;
        d.SetCount("2");
        d.session.Button1Click();
        if (last)
            d.AnswerRight();
        d.AnswerWrong();
        const std::string reveal = "せいかいは " + std::to_string(d.CurrentAnswer()) + " でした。";
        d.display.focus = Focus::None;
        d.display.FailAt("ShowPicture mascot.bmp");
        EXPECT_THROW(d.session.Button3Click(), AppError);
        // The score of the finished set replaced the reveal before the picture failed.
        EXPECT_EQ(d.Text(Field::Edit6), last ? "50てんです。おしまいです。" : reveal);
        EXPECT_EQ(IsSet(d.State().SetFinished), last);
        EXPECT_EQ(d.State().CurrentNo, 1);
        EXPECT_EQ(d.display.button3Caption, "つぎのもんだい");
        EXPECT_EQ(d.display.button3Hint, "つぎのもんだいにすすみます");
        EXPECT_TRUE(IsSet(d.State().AnswerShown));
        EXPECT_FALSE(IsSet(d.State().MascotShown));
        EXPECT_EQ(d.display.picture, "batu1.bmp");
        EXPECT_EQ(d.display.focus, Focus::None);
    }
}

TEST_F(DrillSessionTest, WrongAnswerAfterRevealKeepsTheNextButton) {
    session.Button1Click();
    session.Button3Click();
    AnswerWrong();
    EXPECT_EQ(Text(Field::Edit6), kWrong);
    EXPECT_EQ(Text(Field::Edit5), " 0");
    EXPECT_TRUE(IsSet(State().AnswerShown));
    EXPECT_EQ(State().CurrentNo, 1);

    session.Button3Click();  // moves on rather than revealing again
    EXPECT_EQ(State().CurrentNo, 2);
    EXPECT_EQ(Text(Field::Edit6), kPrompt);
    EXPECT_EQ(display.button3Caption, "せいかいを見る");
}

TEST_F(DrillSessionTest, FullSetEndsAfterProblem100) {
    session.Button1Click();
    AnswerWrong();
    for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n) {
        ASSERT_EQ(State().CurrentNo, n);
        ASSERT_EQ(Text(Field::Edit1), ProblemText(data.problemSet[n]));
        AnswerRight();
    }
    EXPECT_TRUE(IsSet(State().SetFinished));
    EXPECT_EQ(State().CurrentNo, 1);
    EXPECT_EQ(State().CorrectCount, 99);
    EXPECT_EQ(Text(Field::Edit4), "100");
    EXPECT_EQ(Text(Field::Edit6), "99てんです。おしまいです。");
    EXPECT_EQ(Text(Field::Edit5), "99");
}

// A set generated by a print before any set leaves no problem on screen.
TEST(Edit2KeyDownTest, EnterOutsideTheProblemNumbersIsIgnored) {
    for (const std::int32_t number : {0, -1, 101}) {
        SCOPED_TRACE(number);
        Drill d;
        GenerateProblemSet(d.data, d.State().Kind);
        d.State().CurrentNo = number;
        d.display.texts[static_cast<std::size_t>(Field::Edit2)] = "0";
        d.session.Edit2KeyUp();
        const DrillState before = d.data.state;
        const auto logSize = d.display.log.size();
        EXPECT_NO_THROW(d.session.Edit2KeyDown(kEnterKey));
        DrillState expected = before;
        expected.EnterArmed = kFalse;
        EXPECT_EQ(d.data.state, expected);
        EXPECT_EQ(d.display.log.size(), logSize);
    }
}

}  // namespace
}  // namespace mogran
