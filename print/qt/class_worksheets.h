#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QPageSize>
#include <QSaveFile>
#include <QString>

namespace mogran {

// Worksheets for a whole class: sets of one kind, set i drawn from random state
// firstState + i - 1 (mod 2^32) exactly as a print from the drill draws its set.
struct ClassWorksheets {
    std::int32_t kind = 1;
    std::int32_t count = 100;  // problems per set
    std::int32_t sets = 1;
    std::uint32_t firstState = 0;
    QPageSize paper{QPageSize::A4};
};

// Pages a set takes: its problem sheets and its answer sheets.
std::int32_t PagesPerSet(std::int32_t count);

// Told after each set: pages done and pages in all.
using WorksheetsProgress = std::function<void(std::int32_t done, std::int32_t total)>;

// The PDF of every set's problem sheets followed by its answer sheets. With more than one
// set, every page of set i shows "No.i" in its name box. Throws AppError.
std::string DrawClassWorksheets(const ClassWorksheets& job, const WorksheetsProgress& progress);

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
