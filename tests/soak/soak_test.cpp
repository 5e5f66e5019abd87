// A long run of the real main window: thousands of answers (right, wrong, revealed, held
// Enter) and hundreds of set starts, with the count setting switched through the count
// dialog and the kind changed now and then. An expected-state model written here, from the
// drill's rules, is compared with the window after every step; resident memory must stay
// flat once warmed up.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "error_box.h"
#include "input_box.h"
#include "startup.h"
#include "tform1.h"
#include "window_test_media.h"

using mogran::TForm1;

namespace {

constexpr int kAnswers = 10000;
constexpr int kStarts = 200;
constexpr int kWarmUpAnswers = 500;
constexpr long kRssGrowthBoundKb = 8 * 1024;

const QString kPrompt = QStringLiteral("こたえをいれてリターン。");
const QString kRight = QStringLiteral("せいかいです！");
const QString kWrong = QStringLiteral("ぶ～　まちがえたよ");
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// The value of a problem text as a pupil works it out: parentheses first, then × and ÷,
// then ＋ and －, left to right. Sets ok to false on a text that is not a problem.
class TextValue {
public:
    explicit TextValue(const QString& text) : text_(text) {}

    std::int32_t Evaluate(bool& ok) {
        const std::int32_t value = Sum();
        ok = ok_ && pos_ == text_.size();
        return value;
    }

private:
    std::int32_t Sum() {
        std::int32_t value = Product();
        while (pos_ < text_.size() && (Peek() == u'＋' || Peek() == u'－')) {
            const bool plus = text_[pos_++] == u'＋';
            const std::int32_t next = Product();
            value = plus ? value + next : value - next;
            ok_ = ok_ && value >= 0;
        }
        return value;
    }
    std::int32_t Product() {
        std::int32_t value = Operand();
        while (pos_ < text_.size() && (Peek() == u'×' || Peek() == u'÷')) {
            const bool times = text_[pos_++] == u'×';
            const std::int32_t next = Operand();
            if (times) {
                value *= next;
            } else {
                ok_ = ok_ && next != 0 && value % next == 0;
                value = next != 0 ? value / next : 0;
            }
        }
        return value;
    }
    std::int32_t Operand() {
        if (Peek() == u'(') {
            ++pos_;
            const std::int32_t value = Sum();
            ok_ = ok_ && Peek() == u')';
            ++pos_;
            return value;
        }
        const qsizetype start = pos_;
        std::int32_t value = 0;
        while (pos_ < text_.size() && Peek() >= u'0' && Peek() <= u'9') {
            value = value * 10 + (Peek().unicode() - u'0');
            ++pos_;
        }
        ok_ = ok_ && pos_ > start;
        return value;
    }
    QChar Peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    QString text_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// Operator glyphs a kind may use (parentheses are checked on their own).
QString KindGlyphs(std::int32_t kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("＋");
        case 2:
        case 3:
            return QStringLiteral("－");
        case 4:
            return QStringLiteral("＋－");
        case 5:
            return QStringLiteral("×＋－");
        case 6:
            return QStringLiteral("÷＋－");
        case 7:
            return QStringLiteral("×÷");
        default:
            return QStringLiteral("＋－×÷");
    }
}

// What the window must show and hold, kept by the drill's rules alone.
struct Expected {
    std::int32_t total = 100;
    std::int32_t kind = 1;
    // The kind of the running set: a kind chosen later waits for the next start.
    std::int32_t setKind = 1;
    bool countFixed = false;
    std::int32_t currentNo = 0;
    std::int32_t correct = 0;
    bool setFinished = true;
    bool firstTry = true;
    bool answerShown = false;
    bool mascotShown = true;
    bool enterArmed = false;
    QString edit2 = QStringLiteral("こたえ");
    QString edit3;
    QString edit4;
    QString edit5;
    QString edit6 = QStringLiteral("もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。");
    QColor edit6Colour = kGreen;
    QString button3 = QStringLiteral("せいかいをみる");
    // The answer of the problem on screen, worked out from its text.
    std::int32_t answer = 0;

    void ShowProblem() {
        firstTry = true;
        answerShown = false;
        edit3 = QString::number(total);
        edit4 = QString::number(currentNo);
        edit5 =
            currentNo < 2 ? QStringLiteral("0") : QString::number(correct * 100 / (currentNo - 1));
        edit2.clear();
    }

    void FinishSet() {
        const std::int32_t score = correct * 100 / total;
        edit6Colour = kRed;
        edit6 = QString::number(score) + QStringLiteral("てんです。おしまいです。");
        edit5 = QString::number(score);
        currentNo = 1;
        setFinished = true;
    }

    void Start() {
        if (!countFixed) {
            total = 100;
        }
        setKind = kind;
        correct = 0;
        setFinished = false;
        currentNo = 1;
        edit6Colour = kGreen;
        mascotShown = true;
        edit6 = kPrompt;
        ShowProblem();
    }

    void KeyDown(bool enter, bool typedIsRight) {
        if (!mascotShown) {
            mascotShown = true;
            edit6 = kPrompt;
        }
        if (!enter || !enterArmed) {
            return;
        }
        enterArmed = false;
        if (setFinished) {
            return;
        }
        if (typedIsRight) {
            edit6 = kRight;
            mascotShown = false;
            ++currentNo;
            if (firstTry) {
                ++correct;
            }
            if (currentNo > total) {
                FinishSet();
            } else {
                ShowProblem();
            }
        } else {
            firstTry = false;
            edit6 = kWrong;
            mascotShown = false;
            edit5 = QStringLiteral(" ") + QString::number(correct * 100 / currentNo);
        }
    }

    void KeyUp() { enterArmed = true; }

    void Button3() {
        if (currentNo < 1 || setFinished) {
            return;
        }
        if (answerShown) {
            button3 = QStringLiteral("せいかいを見る");
            edit6 = kPrompt;
            answerShown = false;
            ++currentNo;
            ShowProblem();
            return;
        }
        firstTry = false;
        edit6 = QStringLiteral("せいかいは %1 でした。").arg(answer);
        if (currentNo + 1 > total) {
            FinishSet();
        }
        button3 = QStringLiteral("つぎのもんだい");
        answerShown = true;
        mascotShown = true;
    }
};

// One entry of the count dialog: what is typed, OK or Cancel, and the count it gives
// (0: the conversion fails).
struct CountEntry {
    const char* typed;
    bool ok;
    std::int32_t count;
};

constexpr CountEntry kCountEntries[] = {
    {"7", true, 7},    {"0", true, 10},  {"-3", true, 10}, {"150", true, 100},
    {"$14", true, 20}, {"1", true, 1},   {"3", true, 3},   {"100", true, 100},
    {"55", false, 10}, {"abc", true, 0}, {"", true, 0},    {"10 ", true, 0},
    {"2", true, 2},    {"12", true, 12}, {"25", true, 25}, {"40", true, 40},
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void thousandsOfAnswers();

private:
    // Each step drives the window through real events and moves the model alike.
    void StartSet();
    void ClickKind(int index);
    void SwitchCount();
    void Answer(bool right, bool held);
    void Reveal();
    QString TypeAnswer(bool right);
    void LearnProblem();
    QString Mismatches() const;

    std::unique_ptr<TForm1> form_;
    Expected m_;
    std::mt19937 random_{20240611u};
    QTemporaryDir media_;
    QString startDir_;
    QStringList errors_;
    QStringList expectedErrors_;
    CountEntry nextEntry_{};
    int answers_ = 0;
    int starts_ = 0;
    int finishedSets_ = 0;
    int failedConversions_ = 0;
};

void SoakTest::initTestCase() {
    QVERIFY(media_.isValid());
    QVERIFY(mogran::test::PutMediaFiles(media_.path()));
    startDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(media_.path()));
    mogran::SetUpApplication();
    mogran::SetErrorBoxHook([this](const QString&, const QString& text) { errors_ << text; });
    mogran::SetInputBoxAnswerer([this](mogran::InputBoxDialog& dialog) {
        const QString typed = QString::fromUtf8(nextEntry_.typed);
        // Typing replaces the selected default; an empty entry erases it.
        if (typed.isEmpty()) {
            QTest::keyClick(dialog.Field(), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(dialog.Field(), typed);
        }
        QTest::mouseClick(nextEntry_.ok ? dialog.OkButton() : dialog.CancelButton(),
                          Qt::LeftButton);
    });
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void SoakTest::cleanupTestCase() {
    form_.reset();
    mogran::SetErrorBoxHook(nullptr);
    mogran::SetInputBoxAnswerer(nullptr);
    QDir::setCurrent(startDir_);
}

// The answer of the problem on screen, from its text; the problem table must agree.
void SoakTest::LearnProblem() {
    bool ok = false;
    const QString text = form_->Edit1->text();
    m_.answer = TextValue(text).Evaluate(ok);
    QVERIFY2(ok, qPrintable("not a problem text: " + text));
    const auto& data = form_->Data();
    QCOMPARE(data.problemSet[data.state.CurrentNo].Answer, m_.answer);
    const QString glyphs = KindGlyphs(m_.setKind);
    for (const QChar c : text) {
        if (!c.isDigit() && c != u'(' && c != u')') {
            QVERIFY2(glyphs.contains(c),
                     qPrintable(text + " is not of kind " + QString::number(m_.setKind)));
        }
    }
    QCOMPARE(text.contains(u'('), m_.setKind == 8);
}

void SoakTest::StartSet() {
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    m_.Start();
    ++starts_;
}

void SoakTest::ClickKind(int index) {
    auto* item =
        form_->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item%1").arg(index + 1));
    QVERIFY(item);
    // On the round button itself: the item is wider than what it reacts to.
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    m_.kind = index + 1;
}

void SoakTest::SwitchCount() {
    if (m_.countFixed) {
        QTest::mouseClick(form_->CheckBox1, Qt::LeftButton);
        m_.countFixed = false;
        return;
    }
    nextEntry_ = kCountEntries[random_() % std::size(kCountEntries)];
    QTest::mouseClick(form_->CheckBox1, Qt::LeftButton);
    if (nextEntry_.count == 0) {
        expectedErrors_ << QStringLiteral("'%1' は整数ではありません.")
                               .arg(QString::fromUtf8(nextEntry_.typed));
        ++failedConversions_;
        return;
    }
    m_.total = nextEntry_.count;
    m_.edit3 = QString::number(m_.total);
    m_.countFixed = true;
}

// Selects what the box holds and types over it: an answer that reads as the right value
// or as another one, in the forms a pupil might type.
QString SoakTest::TypeAnswer(bool right) {
    const QString plain = QString::number(m_.answer);
    QString text;
    const unsigned form = random_() % 6;
    if (right) {
        switch (form) {
            case 0:
                text = QStringLiteral("0") + plain;
                break;
            case 1:
                text = QStringLiteral("  ") + plain + QStringLiteral(" ");
                break;
            case 2:
                text = plain + QStringLiteral("ab");
                break;
            case 3:
                text = m_.answer == 0 ? QString() : plain;
                break;
            default:
                text = plain;
        }
    } else {
        text = form == 0 && m_.answer > 0 ? QStringLiteral("-") + plain
                                          : QString::number(m_.answer + 1 + form);
    }
    QTest::keyClick(form_->Edit2, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(form_->Edit2, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(form_->Edit2, text);
    }
    m_.KeyDown(false, false);
    m_.KeyUp();
    m_.edit2 = text;
    return text;
}

void SoakTest::Answer(bool right, bool held) {
    TypeAnswer(right);
    if (!held) {
        QTest::keyClick(form_->Edit2, Qt::Key_Return);
        m_.KeyDown(true, right);
        m_.KeyUp();
        return;
    }
    const auto send = [this](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), autoRepeat);
        QApplication::sendEvent(form_->Edit2, &event);
    };
    send(QEvent::KeyPress, false);
    m_.KeyDown(true, right);
    // A held key repeats as release/press pairs that are not real releases.
    const int repeats = 1 + static_cast<int>(random_() % 4);
    for (int i = 0; i < repeats; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
        m_.KeyDown(true, right);
    }
    send(QEvent::KeyRelease, false);
    m_.KeyUp();
}

void SoakTest::Reveal() {
    QTest::mouseClick(form_->Button3, Qt::LeftButton);
    m_.Button3();
}

QString SoakTest::Mismatches() const {
    const auto& s = form_->Data().state;
    QStringList bad;
    const auto expect = [&bad](const char* what, const auto& actual, const auto& expected) {
        if (!(actual == expected)) {
            bad << QString::fromLatin1(what);
        }
    };
    expect("CorrectCount", s.CorrectCount, m_.correct);
    expect("CurrentNo", s.CurrentNo, m_.currentNo);
    expect("SetFinished", mogran::IsSet(s.SetFinished), m_.setFinished);
    expect("TotalCount", s.TotalCount, m_.total);
    expect("CountFixed", mogran::IsSet(s.CountFixed), m_.countFixed);
    expect("Kind", s.Kind, m_.kind);
    expect("MascotShown", mogran::IsSet(s.MascotShown), m_.mascotShown);
    expect("Edit2", form_->Edit2->text(), m_.edit2);
    expect("Edit3", form_->Edit3->text(), m_.edit3);
    expect("Edit4", form_->Edit4->text(), m_.edit4);
    expect("Edit5", form_->Edit5->text(), m_.edit5);
    expect("Edit6", form_->Edit6->text(), m_.edit6);
    expect("Edit6 colour", form_->Edit6->palette().color(QPalette::Text), m_.edit6Colour);
    expect("Button3", form_->Button3->text(), m_.button3);
    expect("error boxes", errors_, expectedErrors_);
    if (!bad.isEmpty()) {
        bad << QStringLiteral("(window: CurrentNo %1, Edit4 %2, Edit5 '%3', Edit6 '%4')")
                   .arg(s.CurrentNo)
                   .arg(form_->Edit4->text(), form_->Edit5->text(), form_->Edit6->text());
    }
    return bad.join(QStringLiteral(", "));
}

void SoakTest::thousandsOfAnswers() {
    long warmRssKb = -1;
    int step = 0;
    const auto percent = [this] { return static_cast<int>(random_() % 100); };

    // Runs one step, then compares the window with the model and lets it repaint.
#define STEP(action, what)                                                                       \
    do {                                                                                         \
        action;                                                                                  \
        if (QTest::currentTestFailed())                                                          \
            return;                                                                              \
        ++step;                                                                                  \
        const QString bad = Mismatches();                                                        \
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("step %1 (%2, set %3, answer %4): %5") \
                                               .arg(step)                                        \
                                               .arg(QLatin1String(what))                         \
                                               .arg(starts_)                                     \
                                               .arg(answers_)                                    \
                                               .arg(bad)));                                      \
        QApplication::processEvents();                                                           \
    } while (false)

    while (starts_ < kStarts) {
        if (percent() < 25) {
            STEP(SwitchCount(), "count before start");
        }
        if (percent() < 30) {
            STEP(ClickKind(static_cast<int>(random_() % 8)), "kind");
        }
        STEP(StartSet(), "start");
        STEP(LearnProblem(), "problem shown");
        const bool lastSet = starts_ == kStarts;
        const int budget = (kAnswers - answers_) / (kStarts - starts_ + 1);
        const int setEnd = lastSet ? kAnswers : answers_ + budget;

        while (answers_ < setEnd && !m_.setFinished) {
            // The last set must not end before the last answer: advancing steps turn wrong.
            const bool mayEnd =
                !lastSet || answers_ + 1 == kAnswers || m_.currentNo + 1 <= m_.total;
            const int roll = percent();
            if (roll < 2) {
                STEP(SwitchCount(), "count in a set");
                continue;
            }
            if (roll < 3) {
                STEP(ClickKind(static_cast<int>(random_() % 8)), "kind in a set");
                continue;
            }
            if (m_.answerShown && roll < 40) {
                STEP(Reveal(), "move on");
            } else if (roll < 50) {
                STEP(Answer(mayEnd, false), "right");
            } else if (roll < 72) {
                STEP(Answer(false, false), "wrong");
            } else if (roll < 86) {
                STEP(Answer(mayEnd && roll % 2 == 0, true), "held Enter");
            } else if (mayEnd) {
                STEP(Reveal(), "reveal");
            } else {
                STEP(Answer(false, false), "wrong instead of reveal");
            }
            ++answers_;
            if (!m_.setFinished) {
                STEP(LearnProblem(), "problem shown");
            }
            if (answers_ == kWarmUpAnswers) {
                warmRssKb = ResidentKb();
            }
        }
        if (m_.setFinished) {
            ++finishedSets_;
            // A finished set ignores Enter and the reveal button; a key only brings the
            // mascot back.
            STEP(Answer(true, false), "Enter after the end");
            STEP(Reveal(), "reveal after the end");
        }
    }
#undef STEP

    QCOMPARE(answers_, kAnswers);
    QCOMPARE(starts_, kStarts);
    // The mix must have reached the interesting places.
    QVERIFY(finishedSets_ > kStarts / 10);
    QVERIFY(failedConversions_ > 0);

    const long endRssKb = ResidentKb();
    qInfo(
        "%d steps, %d answers, %d starts, %d sets finished; VmRSS %ld kB after %d answers, "
        "%ld kB at the end",
        step, answers_, starts_, finishedSets_, warmRssKb, kWarmUpAnswers, endRssKb);
#ifdef MOGRAN_SOAK_SANITIZED
    qInfo("memory bound not checked in a sanitizer build");
#else
    QVERIFY(warmRssKb > 0 && endRssKb > 0);
    QVERIFY2(endRssKb - warmRssKb <= kRssGrowthBoundKb,
             qPrintable(QStringLiteral("VmRSS grew by %1 kB").arg(endRssKb - warmRssKb)));
#endif
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
