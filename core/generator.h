#pragma once

#include <cstdint>

#include "drill_data.h"

namespace mogran {

// Fills all 100 entries of data.problemSet with distinct problems of the given kind and
// resets the counters a new set starts with. Reseeds from the clock first unless a print
// is in progress. A kind outside 1..8 leaves the table all zero.
void GenerateProblemSet(DrillData& data, std::int32_t kind);

}  // namespace mogran
