#pragma once

#include <cstdint>

#include "drill_data.h"
#include "generator.h"

namespace mogran {

// The set that a kind yields from a given random state at its first draw (no clock reseed,
// as while printing).
inline DrillData GenerateFrom(std::uint32_t state, std::int32_t kind) {
    DrillData data;
    data.printInProgress = true;
    data.random.RandomState = state;
    GenerateProblemSet(data, kind);
    return data;
}

}  // namespace mogran
