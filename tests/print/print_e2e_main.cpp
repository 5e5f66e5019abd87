// End-to-end check of worksheet printing through the real window, QPrinter and a print queue.
//
//   print_e2e print <expect-file> <count>   prints from the main window; <count> 100 leaves the
//                                           count setting off, any other count fixes it
//   print_e2e check <expect-file> <bbox.html>...   checks the spooled pages, in job order,
//                                           from their `pdftotext -bbox` output
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>

#include "generator.h"
#include "install_worksheet_printing.h"
#include "problem_text.h"
#include "window_dialogs.h"
#include "worksheet_layout.h"

namespace mogran {
namespace {

using Clock = std::chrono::steady_clock;

int Fail(const QString& why) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(why));
    return 1;
}

// The kind printed: the one with parentheses, whose texts are the richest.
constexpr std::int32_t kPrintedKind = kWithParentheses;

// Keeps the texts of error boxes instead of showing them; input boxes keep their default.
struct ErrorRecorder : WindowDialogs {
    QStringList errors;
    void ShowErrorBox(QWidget*, const QString&, const QString& text) override { errors << text; }
    QString InputBox(QWidget*, const QString&, const QString&, const QString& d) override {
        return d;
    }
};

int Print(const QString& expectPath, int count) {
    ErrorRecorder errorBoxes;
    const QStringList& errors = errorBoxes.errors;

    TForm1 form(errorBoxes);
    form.show();
    DrillData& data = form.Data();

    // Every clock reading is remembered so that the printed set can be rebuilt afterwards.
    std::vector<std::uint32_t> readings;
    data.random.SetClock([&readings] {
        const int k = static_cast<int>(readings.size());
        const TimeOfDay t{10, 15, k % 60, (37 * k) % 1000};
        readings.push_back(static_cast<std::uint32_t>(
            ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond));
        return t;
    });

    const bool fixed = count != 100;
    data.state.Kind = kPrintedKind;
    data.state.CountFixed = ToFlag(fixed);
    data.state.CountSetting = fixed ? count : 10;
    data.state.TotalCount = count;
    form.SetCheckBox1Ticked(fixed);

    QStringList dialogs;
    Clock::time_point confirmed{};
    std::size_t readingsBeforePrint = 0;
    PrintDialogRunners runners;
    runners.messageBox = [&](QMessageBox& box) {
        dialogs << box.windowTitle();
        box.show();
        if (box.windowTitle() == QStringLiteral("情報")) {
            box.close();  // the close box goes on to dialog 2
            return;
        }
        for (QAbstractButton* b : box.buttons()) {
            if (b->text() == QStringLiteral("はい(&Y)"))
                b->click();
        }
        confirmed = Clock::now();
    };
    runners.setupDialog = [&](QPrintDialog& dialog) {
        dialogs << dialog.objectName();
        dialog.accept();
        readingsBeforePrint = readings.size();
        return dialog.result();
    };
    InstallWorksheetPrinting(form, std::move(runners));

    form.BitBtn1->click();
    const auto elapsed = Clock::now() - confirmed;

    if (!errors.isEmpty())
        return Fail("error box: " + errors.join(" / "));
    const QStringList expectedDialogs = fixed ? QStringList{"警告", "PrinterSetupDialog1"}
                                              : QStringList{"情報", "警告", "PrinterSetupDialog1"};
    if (dialogs != expectedDialogs)
        return Fail("dialogs shown: " + dialogs.join(", "));
    if (readings.size() != readingsBeforePrint + 2)
        return Fail("clock not read twice");
    if (data.printInProgress || data.state.CurrentNo != 1)
        return Fail("no fresh set after print");
    if (form.Text(DisplayField::Edit6) != "こたえをいれてリターン。")
        return Fail("message line");

    // The set that was printed: seeded by the first reading after the set-up dialog.
    DrillData printed;
    printed.random.RandomState = readings[readingsBeforePrint];
    printed.printInProgress = true;
    printed.state.CountFixed = ToFlag(fixed);
    printed.state.TotalCount = count;
    GenerateProblemSet(printed, kPrintedKind);
    if (printed.problemSet == data.problemSet)
        return Fail("the screen shows the printed set");

    std::printf("printed %d problems in %d jobs: %.1f ms from the confirmation to the last job\n",
                count, 2 * ((count + 19) / 20),
                std::chrono::duration<double, std::milli>(elapsed).count());

    // The layout on paper follows from the default printer's settings, as accepted above.
    QPrinter printer(QPrinter::HighResolution);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const QRect pixels = printer.pageLayout().paintRectPixels(printer.resolution());
    QFile out(expectPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return Fail("cannot write " + expectPath);
    QTextStream s(&out);
    s << "dpi " << printer.resolution() << "\n"
      << "origin " << area.left() << " " << area.top() << "\n"
      << "page " << pixels.width() << " " << pixels.height() << "\n"
      << "count " << count << "\n";
    for (std::int32_t n = 1; n <= count; ++n) {
        s << "problem " << QString::fromStdString(ProblemText(printed.problemSet[n])) << " "
          << printed.problemSet[n].Answer << "\n";
    }
    return 0;
}

struct Word {
    double x = 0;
    double y = 0;
    double xMax = 0;
    QString text;
};

std::vector<Word> ReadWords(const QString& path) {
    QFile file(path);
    std::vector<Word> words;
    if (!file.open(QIODevice::ReadOnly))
        return words;
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4)});
    }
    return words;
}

int Check(const QString& expectPath, const QStringList& pages) {
    QFile file(expectPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail("cannot read " + expectPath);
    int dpi = 0, count = 0;
    double left = 0, top = 0;
    PageExtent page;
    QStringList texts, answers;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(' ');
        if (f[0] == "dpi")
            dpi = f[1].toInt();
        if (f[0] == "origin")
            left = f[1].toDouble(), top = f[2].toDouble();
        if (f[0] == "page")
            page = {f[1].toInt(), f[2].toInt()};
        if (f[0] == "count")
            count = f[1].toInt();
        if (f[0] == "problem")
            texts << f[1], answers << f[2];
    }
    const WorksheetLayout layout = MakeWorksheetLayout(page, count);
    if (pages.size() != 2 * layout.PageCount) {
        return Fail(QStringLiteral("%1 jobs spooled, %2 expected")
                        .arg(pages.size())
                        .arg(2 * layout.PageCount));
    }
    const auto near = [&](const Word& w, std::int32_t x, std::int32_t y) {
        return std::abs(w.x - (left + x * 72.0 / dpi)) < 1.0 &&
               std::abs(w.y - (top + y * 72.0 / dpi)) < 1.0;
    };

    for (int k = 0; k < pages.size(); ++k) {
        const bool answerSheet = k >= layout.PageCount;
        const int first = 20 * (k % layout.PageCount) + 1;
        const int last = std::min(first + 19, count);
        const std::vector<Word> words = ReadWords(pages[k]);
        const QString where = QStringLiteral("job %1: ").arg(k + 1);
        if (words.size() != static_cast<std::size_t>(1 + 2 * (last - first + 1))) {
            return Fail(where + QStringLiteral("%1 words").arg(words.size()));
        }
        const auto find = [&](const QString& text, std::int32_t x, std::int32_t y) -> const Word* {
            for (const Word& w : words) {
                if (w.text == text && near(w, x, y))
                    return &w;
            }
            return nullptr;
        };
        if (!find(QStringLiteral("なまえ"), layout.RightColumnX, layout.BoxTop + 20)) {
            return Fail(where + "no name label in its place");
        }
        for (int n = first; n <= last; ++n) {
            const int slot = n - first + 1;
            const std::int32_t x = n % 2 == 1 ? kPageMargin : layout.RightColumnX;
            const std::int32_t y = layout.RowHeight * ((slot + 1) / 2) + layout.RowHeight;
            const Word* problem = find(texts[n - 1], x, y);
            if (!problem)
                return Fail(where + "problem " + QString::number(n) + " missing or misplaced");
            const QString equals = answerSheet ? "＝" + answers[n - 1] : QStringLiteral("＝");
            bool found = false;
            for (const Word& w : words) {
                found = found || (w.text == equals && std::abs(w.y - problem->y) < 0.5 &&
                                  w.x > problem->xMax);
            }
            if (!found)
                return Fail(where + "no '" + equals + "' after problem " + QString::number(n));
        }
    }
    std::printf("%lld pages hold the expected texts in their places\n",
                static_cast<long long>(pages.size()));
    return 0;
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "print")
        return mogran::Print(args[2], args[3].toInt());
    if (args.size() >= 3 && args[1] == "check")
        return mogran::Check(args[2], args.mid(3));
    std::fprintf(
        stderr,
        "usage: print_e2e print <expect-file> <count> | check <expect-file> <bbox.html>...\n");
    return 2;
}
