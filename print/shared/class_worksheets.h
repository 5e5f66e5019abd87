#pragma once

#include <cstdint>
#include <functional>

#include "print_device.h"

namespace mogran {

// Worksheets for a whole class: sets of one kind, set i drawn from random state
// firstState + i - 1 (mod 2^32) exactly as a print from the drill draws its set.
struct ClassWorksheets {
    std::int32_t kind = 1;
    std::int32_t count = 100;  // problems per set
    std::int32_t sets = 1;
    std::uint32_t firstState = 0;
};

// Pages a set takes: its problem sheets and its answer sheets.
std::int32_t PagesPerSet(std::int32_t count);

// Told after each set: pages done and pages in all.
using WorksheetsProgress = std::function<void(std::int32_t done, std::int32_t total)>;

// Every set's problem sheets followed by its answer sheets, one job a page. With more than
// one set, every page of set i shows "No.i" at the left of its name box, drawn last on the
// page in the page's font. Throws what the device throws.
void PrintClassWorksheets(const ClassWorksheets& job, PrintDevice& device,
                          const WorksheetsProgress& progress);

}  // namespace mogran
