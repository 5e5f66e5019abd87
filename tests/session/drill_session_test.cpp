#include "drill_session.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app_error.h"
#include "drill_data.h"
#include "generator.h"
#include "problem_text.h"
#include "recording_display.h"

namespace mogran {
namespace {

// One run of the drill; every answer of a set is made 10 + its number, so texts are known.
struct Drill {
    Drill() {
        data.random.SetClock([n = 0]() mutable { return TimeOfDay{10, 20, 30, n++}; });
        session.FormCreate();
    }
    DrillData data;
    RecordingDisplay display;
    DrillSession session{data, display};

    // s start, + right answer, - wrong answer, h right answer with Enter held, e Enter alone,
    // k another key, r Button3, c CheckBox1 (its tick flips first, as in the window).
    void Do(char action) {
        if (action == 's')
            session.Button1Click();
        if (action == 'r')
            session.Button3Click();
        if (action == 'c') {
            display.ticked = !display.ticked;
            session.CheckBox1Click();
        }
        if (action == '+' || action == '-' || action == 'h') {
            session.Edit2KeyDown(0);
            display.texts[1] = std::to_string(10 + data.state.CurrentNo + (action == '-'));
            session.Edit2KeyUp();
        }
        if (std::string("+-hek").find(action) != std::string::npos) {
            for (int i = action == 'h' ? 3 : 1; i > 0; --i)
                session.Edit2KeyDown(action == 'k' ? 0 : kEnterKey);
            session.Edit2KeyUp();
        }
        for (std::int32_t n = 1; n <= ProblemSet::kSize; ++n)
            data.problemSet[n].Answer = 10 + n;
    }
    void Run(const std::string& script) {
        for (char action : script)
            Do(action);
    }
    // Counters, problem on screen (0: none of the set), flags First/Mascot/Armed/Shown/Done,
    // picture, sound, Edit3/Edit4/[Edit5], message, its colour, Button3 (N: next, R: reveal
    // again) and focus (E: Edit2, B: Button3).
    std::string Summary() const {
        const DrillState& s = data.state;
        int shown = 0;
        for (std::int32_t n = ProblemSet::kSize; n >= 1; --n)
            shown = display.texts[0] == ProblemText(data.problemSet[n]) ? n : shown;
        std::string flags;
        for (const auto& [flag, letter] : {std::pair{s.FirstTry, 'F'},
                                           {s.MascotShown, 'M'},
                                           {s.EnterArmed, 'A'},
                                           {s.AnswerShown, 'S'},
                                           {s.SetFinished, 'D'}})
            flags += IsSet(flag) ? letter : '.';
        std::string button = display.caption + display.hint;
        for (const auto& [texts, letter] : {std::pair{"せいかいをみる", "-"},
                                            {"つぎのもんだいつぎのもんだいにすすみます", "N"},
                                            {"せいかいを見る正解を出します", "R"}})
            button = button == texts ? letter : button;
        const auto& t = display.texts;
        return std::to_string(s.CurrentNo) + " " + std::to_string(s.CorrectCount) + " p" +
               std::to_string(shown) + " " + flags + " " + display.picture + " " + display.sound +
               " " + t[2] + "/" + t[3] + "/[" + t[4] + "] " + t[5] + " " + display.colour + " " +
               button + " " + display.focus;
    }
};

// clang-format off
TEST(DrillSessionTest, Flows) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "0 0 p0 FM..D - - //[] もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。 - - -"},
        {"ker", "0 0 p0 FMA.D - - //[] もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。 - - -"},
        {"cs", "1 0 p1 FM... mascot.bmp - 3/1/[0] こたえをいれてリターン。 g - E"},
        {"cs+", "2 1 p2 F.A.. maru1.bmp maru1.wav 3/2/[100] せいかいです！ g - E"},
        {"cs+-", "2 1 p2 ..A.. batu1.bmp batu1.wav 3/2/[ 50] ぶ～　まちがえたよ g - E"},
        {"cs++-", "3 2 p3 ..A.. batu1.bmp batu1.wav 3/3/[ 66] ぶ～　まちがえたよ g - E"},
        {"cs+-+", "3 1 p3 F.A.. maru1.bmp maru1.wav 3/3/[50] せいかいです！ g - E"},
        {"cs+-++", "1 2 p3 F.A.D maru1.bmp maru1.wav 3/3/[66] 66てんです。おしまいです。 r - E"},
        {"s-", "1 0 p1 ..A.. batu1.bmp batu1.wav 100/1/[ 0] ぶ～　まちがえたよ g - E"},
        {"s-k", "1 0 p1 .MA.. mascot.bmp batu1.wav 100/1/[ 0] こたえをいれてリターン。 g - E"},
        {"s-r", "1 0 p1 .MAS. mascot.bmp batu1.wav 100/1/[ 0] せいかいは 11 でした。 g N B"},
        {"s-rr", "2 0 p2 FMA.. mascot.bmp batu1.wav 100/2/[0] こたえをいれてリターン。 g R E"},
        {"sr+r", "2 0 p2 .MAS. mascot.bmp maru1.wav 100/2/[0] せいかいは 12 でした。 g N B"},
        {"sh", "2 1 p2 FMA.. mascot.bmp maru1.wav 100/2/[100] こたえをいれてリターン。 g - E"},
        {"cs+r", "2 1 p2 .MAS. mascot.bmp maru1.wav 3/2/[100] せいかいは 12 でした。 g N B"},
        {"cs++r", "1 2 p3 .MASD mascot.bmp maru1.wav 3/3/[66] 66てんです。おしまいです。 r N B"},
        {"cs+++ker", "1 3 p3 FMA.D mascot.bmp maru1.wav 3/3/[100] こたえをいれてリターン。 r - E"},
        {"s+++c+", "1 4 p4 F.A.D maru1.bmp maru1.wav 3/4/[133] 133てんです。おしまいです。 r - E"},
    };
    // clang-format on
    for (const auto& [script, expected] : cases) {
        Drill d;
        d.display.answers = {"3"};
        d.Run(script);
        EXPECT_EQ(d.Summary(), expected) << "script: " << script;
    }
}

TEST(DrillSessionTest, CountDialog) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"7", "7 7"}, {"0", "10 10"}, {"-5", "10 10"}, {"150", "100 100"}, {"$14", "20 20"},
        {"abc", "'abc' は整数ではありません"}, {"", "'' は整数ではありません"}, {"10 ", "'10 ' は整数ではありません"},
    };
    // clang-format on
    for (const auto& [answer, expected] : cases) {
        Drill d;
        d.Run("s");
        d.display.focus = "-";
        d.display.answers = {answer, "5"};
        std::string result;
        try {
            d.Do('c');
            result = std::to_string(d.data.state.CountSetting) + " " + d.display.texts[2];
            EXPECT_EQ(d.display.focus, "E");
            d.Run("cs");  // switched off: the count stays until the next start
            EXPECT_EQ(d.display.texts[2], "100");
        } catch (const AppError& e) {
            result = e.what();
            EXPECT_EQ(d.Summary(),
                      "1 0 p1 FM... mascot.bmp - 100/1/[0] こたえをいれてリターン。 g - -");
            d.Do('c');  // the tick was put back: the next click asks again and agrees
            EXPECT_EQ(d.data.state.TotalCount, 5);
        }
        EXPECT_EQ(result, expected) << answer;
        EXPECT_EQ(d.display.ticked, IsSet(d.data.state.CountFixed));
        EXPECT_EQ(d.display.asked[0], "問題数を決めます|何問やりますか？|10");
    }
}

// A failing step ends its handler: what came before stays, what follows does not run.
TEST(DrillSessionTest, FailingSteps) {
    // clang-format off
    const std::array<std::string, 3> cases[] = {
        {"s-s", "ShowPicture mascot.bmp", "1 0 p0 ..A.. batu1.bmp batu1.wav 100/1/[ 0] ぶ～　まちがえたよ g - -"},
        {"s-e", "ShowPicture mascot.bmp", "1 0 p1 ..A.. batu1.bmp batu1.wav 100/1/[ 0] ぶ～　まちがえたよ g - -"},
        {"s+", "ShowPicture maru1.bmp", "1 0 p1 FM... mascot.bmp - 100/1/[0] せいかいです！ g - -"},
        {"s+", "PlaySoundFile maru1.wav", "1 0 p1 F.... maru1.bmp - 100/1/[0] せいかいです！ g - -"},
        {"s-", "ShowPicture batu1.bmp", "1 0 p1 .M... mascot.bmp - 100/1/[0] ぶ～　まちがえたよ g - -"},
        {"s-", "PlaySoundFile batu1.wav", "1 0 p1 .M... batu1.bmp - 100/1/[0] ぶ～　まちがえたよ g - -"},
        {"s-r", "ShowPicture mascot.bmp", "1 0 p1 ..AS. batu1.bmp batu1.wav 100/1/[ 0] せいかいは 11 でした。 g N -"},
    };
    // clang-format on
    for (const auto& [script, failing, expected] : cases) {
        Drill d;
        d.Run(script.substr(0, script.size() - 1));
        d.display.focus = "-";
        d.display.fail = failing;
        EXPECT_THROW(d.Do(script.back()), AppError) << script << " " << failing;
        EXPECT_EQ(d.Summary(), expected) << script << " " << failing;
    }
}

// A print started before any set generates one while no problem is on screen.
TEST(DrillSessionTest, EnterOutsideTheProblemNumbersIsIgnored) {
    for (const std::int32_t number : {0, 101}) {
        Drill d;
        GenerateProblemSet(d.data, d.data.state.Kind);
        d.data.state.CurrentNo = number;
        d.session.Edit2KeyUp();
        const std::string before = d.Summary();
        d.Do('e');
        EXPECT_EQ(d.Summary(), before);
    }
}

}  // namespace
}  // namespace mogran
