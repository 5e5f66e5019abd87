// Prints worksheets from the main window into the print queue that CUPS_SERVER names, and
// checks the spooled pages through `pdftotext -bbox`, or the error box when none should
// arrive.
//   print_e2e <spool folder> <count> [refused|none]
// "refused": the queue refuses jobs; "none": the scheduler has no printer at all.
// <count> 100 leaves the count setting off, any other count fixes it.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "generator.h"
#include "problem_text.h"
#include "qt_print_prompts.h"
#include "tform1.h"
#include "window_dialogs.h"
#include "worksheet_layout.h"
#include "worksheet_printing.h"

namespace mogran {
namespace {

using Clock = std::chrono::steady_clock;

int Fail(const QString& why) {
    return std::fprintf(stderr, "FAIL: %s\n", qPrintable(why)), 1;
}

// The real window's busy state, with dialog 1 closed by its close box and dialog 2 confirmed.
struct ConfirmingPrompts : QtPrintPrompts {
    using QtPrintPrompts::QtPrintPrompts;
    int ShowDialog1() override { return kModalCancel; }
    int ShowDialog2() override { return confirmed = Clock::now(), kModalYes; }
    Clock::time_point confirmed;
};

// Keeps the printer as it is, and notes how many clock readings came before printing.
struct KeepingSetupDialog : PrinterSetupDialog {
    explicit KeepingSetupDialog(const int& r) : reads(r) {}
    bool Run(QPrinter&) override { return before = reads, false; }
    const int& reads;
    int before = 0;
};

// Keeps the texts of the window's error boxes instead of showing them.
struct ErrorRecorder : WindowDialogs {
    QStringList errors;
    void ShowErrorBox(QWidget*, const QString&, const QString& text) override { errors << text; }
    QString InputBox(QWidget*, const QString&, const QString&, const QString& d) override {
        return d;
    }
};

struct Word {
    double x, y, xMax;
    QString text;
};

std::vector<Word> SpooledWords(const QString& document) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", document, "-"});
    pdftotext.waitForFinished();
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(QString::fromUtf8(pdftotext.readAll())); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4)});
    }
    return words;
}

int Run(const QDir& spool, int count, const QString& failure) {
    const bool fails = !failure.isEmpty();  // no job may arrive, one error box instead
    ErrorRecorder errorBoxes;
    const QStringList& errors = errorBoxes.errors;
    TForm1 form(errorBoxes);
    form.show();
    DrillData& data = form.Data();
    int reads = 0;  // reading k of the clock gives 10:15:k.037, to rebuild the printed set
    data.random.SetClock([&reads] { return TimeOfDay{10, 15, reads++, 37}; });
    data.state.Kind = kWithParentheses;
    data.state.CountFixed = ToFlag(count != 100);
    data.state.TotalCount = count;
    form.SetCheckBox1Ticked(count != 100);
    auto prompts = std::make_unique<ConfirmingPrompts>(form);
    auto setup = std::make_unique<KeepingSetupDialog>(reads);
    const ConfirmingPrompts& asked = *prompts;
    const KeepingSetupDialog& dialog = *setup;
    form.SetBitBtn1Handler(
        MakeWorksheetPrintHandler(form.Session(), std::move(prompts), std::move(setup)));

    const QStringList before = spool.entryList({"d*-001"}, QDir::Files, QDir::Name);
    form.BitBtn1->click();
    const std::chrono::duration<double, std::milli> ms = Clock::now() - asked.confirmed;
    const QStringList jobs =
        spool.entryList({"d*-001"}, QDir::Files, QDir::Name).mid(before.size());

    // Without a printer nothing has changed yet: the window still asks for a kind.
    const bool none = failure == "none";
    if (data.printInProgress || data.state.CurrentNo != (none ? 0 : 1) ||
        form.Text(DisplayField::Edit6) !=
            (none ? "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。" : "こたえをいれてリターン。"))
        return Fail("no fresh set after the print, or one without a print");
    const QString expected = none ? "ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません." : "選択したﾌﾟﾘﾝﾀは有効ではありません.";
    if (errors != (fails ? QStringList{expected} : QStringList{}))
        return Fail("error boxes: " + errors.join(" / "));
    QPrinter printer(QPrinter::HighResolution);  // the default printer, kept by the dialog
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    const WorksheetLayout layout = MakeWorksheetLayout({page.width(), page.height()}, count);
    if (jobs.size() != (fails ? 0 : 2 * layout.PageCount))
        return Fail(QString::number(jobs.size()) + " jobs spooled");

    DrillData printed;  // seeded by the first clock reading after the set-up dialog
    printed.random.RandomState = (10 * 3600 + 15 * 60 + dialog.before) * 1000 + 37;
    printed.printInProgress = true;
    printed.state = data.state;
    GenerateProblemSet(printed, kWithParentheses);
    if (printed.problemSet == data.problemSet)
        return Fail("the screen shows the printed set");
    for (int k = 0; k < jobs.size(); ++k) {
        const std::vector<Word> words = SpooledWords(spool.filePath(jobs[k]));
        const auto at = [&](const QString& text, int x, int y) -> const Word* {
            const QPointF p = origin + QPointF(x, y) * 72.0 / printer.resolution();
            const auto w = std::find_if(words.begin(), words.end(), [&](const Word& w) {
                return w.text == text && std::abs(w.x - p.x()) < 1 && std::abs(w.y - p.y()) < 1;
            });
            return w == words.end() ? nullptr : &*w;
        };
        const QString job = QStringLiteral("job %1: ").arg(k + 1);
        const int first = 20 * (k % layout.PageCount) + 1, last = std::min(first + 19, count);
        if (!at("なまえ", layout.RightColumnX, layout.BoxTop + 20) ||
            words.size() != static_cast<std::size_t>(1 + 2 * (last - first + 1)))
            return Fail(job + "no name label in its place, or other words than the problems'");
        for (int n = first; n <= last; ++n) {
            const Problem& problem = printed.problemSet[n];
            const Word* text = at(QString::fromStdString(ProblemText(problem)),
                                  n % 2 ? kPageMargin : layout.RightColumnX,
                                  layout.RowHeight * ((n - first) / 2 + 2));
            const QString equals =
                k < layout.PageCount ? "＝" : "＝" + QString::number(problem.Answer);
            const auto after = [&](const Word& w) {
                return w.text == equals && std::abs(w.y - text->y) < 0.5 && w.x > text->xMax;
            };
            if (!text || std::none_of(words.begin(), words.end(), after))
                return Fail(job + "problem " + QString::number(n) + " missing or misplaced");
        }
    }
    std::printf("printed %d problems in %d jobs: %.1f ms from the confirmation to the last job\n",
                count, static_cast<int>(jobs.size()), ms.count());
    return 0;
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    return mogran::Run(QDir(args.value(1)), args.value(2).toInt(), args.value(3));
}
