// Time of the Enter handler in the real main window, from sending the key press to its
// return: a right answer (picture "maru1.bmp" loaded and shown, "maru1.wav" loaded and
// started) and a wrong one ("batu1.bmp", "batu1.wav"). Also the same press followed by the
// repaint it causes, which is when the pupil sees the feedback. The very first answer, which
// loads the sound system, is timed on its own.
//
//   bench_feedback [presses]     presses of each kind, 500 unless given
//
// Runs on the offscreen platform and SDL's dummy audio driver unless the environment says
// otherwise. Prints median and 90th percentile in microseconds.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "startup.h"
#include "tform1.h"
#include "window_dialogs.h"

namespace {

// Keeps the texts of error boxes instead of showing them; input boxes keep their default.
struct ErrorRecorder : mogran::WindowDialogs {
    QStringList errors;
    void ShowErrorBox(QWidget*, const QString&, const QString& text) override { errors << text; }
    QString InputBox(QWidget*, const QString&, const QString&, const QString& d) override {
        return d;
    }
};

using Clock = std::chrono::steady_clock;

struct Timing {
    double handlerUs = 0;
    double withRepaintUs = 0;
};

bool PutMediaFiles(const QString& dir) {
    const QDir media(QStringLiteral(MOGRAN_MEDIA_DIR));
    for (const char* name : {"mascot.bmp", "maru1.bmp", "batu1.bmp", "maru1.wav", "batu1.wav"}) {
        if (!QFile::copy(media.filePath(name), dir + '/' + name)) {
            std::fprintf(stderr, "cannot copy %s from %s\n", name, MOGRAN_MEDIA_DIR);
            return false;
        }
    }
    return true;
}

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    const std::size_t rank = (values.size() - 1) * static_cast<std::size_t>(percent) / 100;
    return values[rank];
}

class FeedbackBench {
public:
    explicit FeedbackBench(mogran::TForm1& form) : form_(form) {}

    // Types the answer (right or one off) and times the Enter press that judges it.
    bool Press(bool right, Timing& timing) {
        auto& state = form_.Data().state;
        if (mogran::IsSet(state.SetFinished)) {
            QTest::mouseClick(form_.Button1, Qt::LeftButton);
        }
        const std::int32_t answer = form_.Data().problemSet[state.CurrentNo].Answer;
        // Select whatever a wrong answer left, then type over it; the first key brings
        // the mascot back, as it does for the pupil.
        QTest::keyClick(form_.Edit2, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form_.Edit2, QString::number(right ? answer : answer + 1));
        QApplication::processEvents();

        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        const Clock::time_point start = Clock::now();
        QApplication::sendEvent(form_.Edit2, &press);
        const Clock::time_point handled = Clock::now();
        QApplication::processEvents();
        const Clock::time_point painted = Clock::now();

        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(form_.Edit2, &release);

        const QString expected =
            right ? QStringLiteral("せいかいです！") : QStringLiteral("ぶ～　まちがえたよ");
        const bool finished = mogran::IsSet(state.SetFinished);
        if (!finished && form_.Edit6->text() != expected) {
            std::fprintf(stderr, "the press was not judged as expected: %s\n",
                         qPrintable(form_.Edit6->text()));
            return false;
        }
        timing.handlerUs = Micros(handled - start);
        timing.withRepaintUs = Micros(painted - start);
        return true;
    }

private:
    mogran::TForm1& form_;
};

void Report(const char* what, const std::vector<Timing>& timings) {
    std::vector<double> handler;
    std::vector<double> repaint;
    for (const Timing& t : timings) {
        handler.push_back(t.handlerUs);
        repaint.push_back(t.withRepaintUs);
    }
    std::printf(
        "%-6s answers: %zu presses; Enter handler median %.0f us, p90 %.0f us; "
        "with repaint median %.0f us, p90 %.0f us\n",
        what, timings.size(), Percentile(handler, 50), Percentile(handler, 90),
        Percentile(repaint, 50), Percentile(repaint, 90));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    QTemporaryDir work;
    if (!work.isValid() || !PutMediaFiles(work.path()) || !QDir::setCurrent(work.path())) {
        return 1;
    }
    ErrorRecorder dialogs;
    const QStringList& errors = dialogs.errors;
    mogran::SetUpApplication();

    mogran::TForm1 form(dialogs);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    QTest::mouseClick(form.Button1, Qt::LeftButton);

    FeedbackBench bench(form);
    std::vector<Timing> right;
    std::vector<Timing> wrong;
    // The first right answer also loads the sound library and starts its audio.
    Timing first;
    if (!bench.Press(true, first)) {
        return 1;
    }
    std::printf("first  answer: Enter handler %.0f us (sound system loaded and started)\n",
                first.handlerUs);
    // A few presses of each kind first, so that the files are in the page cache and the
    // sound device has been opened once.
    for (int i = 0; i < 20; ++i) {
        Timing ignored;
        if (!bench.Press(i % 2 == 0, ignored)) {
            return 1;
        }
    }
    // Alternate the kinds so that both see the same conditions.
    for (int i = 0; i < presses; ++i) {
        Timing t;
        if (!bench.Press(false, t)) {
            return 1;
        }
        wrong.push_back(t);
        if (!bench.Press(true, t)) {
            return 1;
        }
        right.push_back(t);
    }
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "error box: %s\n", qPrintable(errors.join(QStringLiteral(" / "))));
        return 1;
    }
    Report("right", right);
    Report("wrong", wrong);
    return 0;
}
