// mogran-worksheets: worksheets for a whole class as one PDF. See --help.

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include <QGuiApplication>

#include "class_worksheets_pdf.h"
#include "random_source.h"
#include "worksheets_options.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;
// Progress is shown when stderr is a terminal and the document has more pages than this.
constexpr std::int32_t kQuietPages = 20;

void ShowProgress(std::int32_t done, std::int32_t total) {
    std::fprintf(stderr, "\rmogran-worksheets: page %d of %d", done, total);
    if (done == total)
        std::fputc('\n', stderr);
}

}  // namespace

int main(int argc, char* argv[]) {
    mogran::WorksheetsOptions options;
    try {
        options = mogran::ParseWorksheetsOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const mogran::UsageError& e) {
        std::fprintf(stderr, "mogran-worksheets: %s (see mogran-worksheets --help)\n", e.what());
        return kUsageError;
    }
    if (options.help) {
        std::fputs(mogran::WorksheetsUsage().c_str(), stdout);
        return 0;
    }

    mogran::ClassWorksheets job{options.kind, options.count, options.sets, 0};
    if (options.seed) {
        job.firstState = *options.seed;
    } else {
        mogran::RandomSource clock;
        clock.ReseedFromClock();
        job.firstState = clock.RandomState;
        std::fprintf(stderr, "seed %u\n", job.firstState);
    }

    const bool progress =
        isatty(STDERR_FILENO) == 1 && job.sets * mogran::PagesPerSet(job.count) > kQuietPages;
    try {
        mogran::WorksheetsFile file(QString::fromLocal8Bit(options.output.c_str()));
        // Fonts need the GUI application; nothing is shown, so no display is needed.
        int qtArgc = 3;
        char name[] = "mogran-worksheets", platform[] = "-platform", offscreen[] = "offscreen";
        char* qtArgv[] = {name, platform, offscreen, nullptr};
        const QGuiApplication app(qtArgc, qtArgv);
        file.Commit(mogran::DrawClassWorksheets(
            job, options.paper, progress ? ShowProgress : mogran::WorksheetsProgress{}));
    } catch (const mogran::AppError& e) {
        std::fprintf(stderr, "mogran-worksheets: %s\n", e.what());
        return kFailure;
    }
    return 0;
}
