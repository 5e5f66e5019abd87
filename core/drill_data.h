#pragma once

#include "drill_state.h"
#include "random_source.h"

namespace mogran {

// Everything the drill knows during one run of the program.
struct DrillData {
    DrillState state;
    ProblemSet problemSet;
    bool printInProgress = false;
    RandomSource random;

    // Start-up values of the counters, flags and print flag. The problem table and the
    // random state are left alone.
    void ResetToStartup() {
        state = DrillState{};
        printInProgress = false;
    }
};

}  // namespace mogran
