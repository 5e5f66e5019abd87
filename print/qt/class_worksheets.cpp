#include "class_worksheets.h"

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

WorksheetsFile::WorksheetsFile(const QString& path) : path_(path), file_(path) {
    if (!file_.open(QIODevice::WriteOnly))
        Fail();
}

void WorksheetsFile::Commit(const std::string& bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size || !file_.commit())
        Fail();
}

void WorksheetsFile::Fail() const {
    throw AppError("cannot write " + path_.toStdString() + ": " +
                   file_.errorString().toStdString());
}

}  // namespace mogran
