#include "class_worksheets_pdf.h"

#include "app_error.h"
#include "pdf_worksheet_device.h"

namespace mogran {

QPageSize PaperPageSize(Paper paper) {
    switch (paper) {
        case Paper::B5:
            return QPageSize(QPageSize::JisB5);
        case Paper::Letter:
            return QPageSize(QPageSize::Letter);
        case Paper::A4:
            break;
    }
    return QPageSize(QPageSize::A4);
}

std::string DrawClassWorksheets(const ClassWorksheets& job, Paper paper,
                                const WorksheetsProgress& progress) {
    PdfWorksheetDevice device(PaperPageSize(paper));
    PrintClassWorksheets(job, device, progress);
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
