#pragma once

#include <string>

#include <QPageSize>
#include <QSaveFile>
#include <QString>

#include "class_worksheets.h"
#include "worksheets_settings.h"

namespace mogran {

// The page size Qt knows the paper by.
QPageSize PaperPageSize(Paper paper);

// The PDF of the class worksheets on the given paper. Throws AppError.
std::string DrawClassWorksheets(const ClassWorksheets& job, Paper paper,
                                const WorksheetsProgress& progress);

// The destination of the worksheets: a temporary file beside path, made at once, that is
// renamed over path by Commit. Dropped without Commit, it leaves nothing behind.
class WorksheetsFile {
public:
    // Throws AppError naming the path when the temporary file cannot be made.
    explicit WorksheetsFile(const QString& path);

    // Writes the bytes and puts the file in place. Throws AppError naming the path.
    void Commit(const std::string& bytes);

private:
    [[noreturn]] void Fail() const;

    QString path_;
    QSaveFile file_;
};

}  // namespace mogran
