#include "class_worksheets.h"

#include <QSaveFile>

#include "app_error.h"
#include "drill_data.h"
#include "generator.h"
#include "pdf_worksheet_device.h"
#include "worksheet_layout.h"

namespace mogran {

std::int32_t PagesPerSet(std::int32_t count) {
    return 2 * MakeWorksheetLayout(PageExtent{}, count).PageCount;
}

std::string DrawClassWorksheets(const ClassWorksheets& job, const WorksheetsProgress& progress) {
    PdfWorksheetDevice device(job.paper);
    DrillData data;
    data.printInProgress = true;  // every set starts from its own state, never the clock's
    const std::int32_t total = job.sets * PagesPerSet(job.count);
    for (std::int32_t set = 1; set <= job.sets; ++set) {
        data.random.RandomState = job.firstState + static_cast<std::uint32_t>(set - 1);
        GenerateProblemSet(data, job.kind);
        if (job.sets > 1)
            device.SetPageLabel("No." + std::to_string(set));
        PrintWorksheets(data.problemSet, job.count, device);
        if (progress)
            progress(set * PagesPerSet(job.count), total);
    }
    return device.Finish();
}

void WriteClassWorksheets(const ClassWorksheets& job, const QString& path,
                          const WorksheetsProgress& progress) {
    QSaveFile file(path);
    const auto fail = [&file, &path]() {
        throw AppError("cannot write " + path.toStdString() + ": " +
                       file.errorString().toStdString());
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    const std::string pdf = DrawClassWorksheets(job, progress);
    const auto size = static_cast<qint64>(pdf.size());
    if (file.write(pdf.data(), size) != size || !file.commit())
        fail();
}

}  // namespace mogran
