// Prints worksheets from the main window into the print queue that CUPS_SERVER names, and
// checks the spooled pages through `pdftotext -bbox`, or the error box when none should
// arrive.
//   print_e2e <spool folder> <count> [refused]
// <count> 100 leaves the count setting off, any other count fixes it.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "generator.h"
#include "install_worksheet_printing.h"
#include "print_messages.h"
#include "problem_text.h"
#include "qt_print_prompts.h"
#include "worksheet_layout.h"

namespace mogran {
namespace {

using Clock = std::chrono::steady_clock;

int Fail(const QString& why) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(why));
    return 1;
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
    explicit KeepingSetupDialog(const std::vector<std::uint32_t>& r) : readings(r) {}
    bool Run(QPrinter&) override { return before = readings.size(), false; }
    const std::vector<std::uint32_t>& readings;
    std::size_t before = 0;
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

int Run(const QDir& spool, int count, bool refused) {
    QStringList errors;  // the texts of the error boxes the window shows, each answered OK
    QTimer errorBoxes;
    QObject::connect(&errorBoxes, &QTimer::timeout, [&errors] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            errors << box->text(), box->done(QMessageBox::Ok);
    });
    errorBoxes.start(10);

    TForm1 form;
    form.show();
    DrillData& data = form.Data();
    std::vector<std::uint32_t> readings;  // every clock reading, to rebuild the printed set
    data.random.SetClock([&readings] {
        const TimeOfDay t{10, 15, static_cast<int>(readings.size()) % 60, 37};
        readings.push_back(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond);
        return t;
    });
    const bool fixed = count != 100;
    data.state.Kind = kWithParentheses;
    data.state.CountFixed = ToFlag(fixed);
    data.state.TotalCount = count;
    form.SetCheckBox1Ticked(fixed);
    auto prompts = std::make_unique<ConfirmingPrompts>(form);
    auto setup = std::make_unique<KeepingSetupDialog>(readings);
    const ConfirmingPrompts& asked = *prompts;
    const KeepingSetupDialog& dialog = *setup;
    InstallWorksheetPrinting(form, std::move(prompts), std::move(setup));

    const QStringList before = spool.entryList({"d*-001"}, QDir::Files, QDir::Name);
    form.BitBtn1->click();
    const auto elapsed = Clock::now() - asked.confirmed;
    QStringList jobs = spool.entryList({"d*-001"}, QDir::Files, QDir::Name);
    jobs = jobs.mid(static_cast<int>(before.size()));

    if (data.printInProgress || data.state.CurrentNo != 1 ||
        form.Text(DisplayField::Edit6) != "こたえをいれてリターン。")
        return Fail("no fresh set after the print");
    const QStringList wanted = {QString::fromUtf8(kPrinterNotValidMessage) + "."};
    if (errors != (refused ? wanted : QStringList{}))
        return Fail("error boxes: " + errors.join(" / "));
    QPrinter printer(QPrinter::HighResolution);  // the default printer, kept by the dialog
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    const WorksheetLayout layout = MakeWorksheetLayout({page.width(), page.height()}, count);
    if (jobs.size() != (refused ? 0 : 2 * layout.PageCount))
        return Fail(QString::number(jobs.size()) + " jobs spooled");

    DrillData printed;  // seeded by the first clock reading after the set-up dialog
    printed.random.RandomState = readings.at(dialog.before);
    printed.printInProgress = true;
    printed.state = data.state;
    GenerateProblemSet(printed, kWithParentheses);
    if (printed.problemSet == data.problemSet)
        return Fail("the screen shows the printed set");
    for (int k = 0; k < jobs.size(); ++k) {
        const std::vector<Word> words = SpooledWords(spool.filePath(jobs[k]));
        const auto at = [&](const QString& text, int x, int y) {
            const QPointF p = origin + QPointF(x, y) * 72.0 / printer.resolution();
            for (const Word& w : words) {
                if (w.text == text && std::abs(w.x - p.x()) < 1 && std::abs(w.y - p.y()) < 1)
                    return &w;
            }
            return static_cast<const Word*>(nullptr);
        };
        const QString job = QStringLiteral("job %1: ").arg(k + 1);
        if (!at("なまえ", layout.RightColumnX, layout.BoxTop + 20))
            return Fail(job + "no name label in its place");
        const int first = 20 * (k % layout.PageCount) + 1, last = std::min(first + 19, count);
        if (words.size() != static_cast<std::size_t>(1 + 2 * (last - first + 1)))
            return Fail(job + QString::number(words.size()) + " words");
        for (int n = first; n <= last; ++n) {
            const Problem& problem = printed.problemSet[n];
            const Word* text = at(QString::fromStdString(ProblemText(problem)),
                                  n % 2 ? kPageMargin : layout.RightColumnX,
                                  layout.RowHeight * ((n - first) / 2 + 2));
            const QString equals = k < layout.PageCount ? "＝" : "＝" + QString::number(problem.Answer);
            const auto after = [&](const Word& w) {
                return w.text == equals && std::abs(w.y - text->y) < 0.5 && w.x > text->xMax;
            };
            if (!text || std::none_of(words.begin(), words.end(), after))
                return Fail(job + "problem " + QString::number(n) + " missing or misplaced");
        }
    }
    std::printf("printed %d problems in %lld jobs: %.1f ms from the confirmation to the last job\n",
                count, static_cast<long long>(jobs.size()),
                std::chrono::duration<double, std::milli>(elapsed).count());
    return 0;
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return std::fprintf(stderr, "usage: print_e2e <spool folder> <count> [refused]\n"), 2;
    return mogran::Run(QDir(args[1]), args[2].toInt(), args.size() > 3);
}
