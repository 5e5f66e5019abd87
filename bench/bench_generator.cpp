// Time of one whole set per kind, from a fixed random state (no clock read).

#include <cstdint>

#include <benchmark/benchmark.h>

#include "drill_data.h"
#include "generator.h"

namespace {

void BM_GenerateProblemSet(benchmark::State& state) {
    const auto kind = static_cast<std::int32_t>(state.range(0));
    mogran::DrillData data;
    data.printInProgress = true;
    for (auto _ : state) {
        data.random.RandomState = 12345;
        mogran::GenerateProblemSet(data, kind);
        benchmark::DoNotOptimize(data.problemSet);
    }
}
BENCHMARK(BM_GenerateProblemSet)->DenseRange(1, 8)->Unit(benchmark::kMicrosecond);

// Sets from many different states: the number of rejected candidates varies with the state.
void BM_GenerateProblemSetVaryingState(benchmark::State& state) {
    const auto kind = static_cast<std::int32_t>(state.range(0));
    mogran::DrillData data;
    data.printInProgress = true;
    std::uint32_t start = 1;
    for (auto _ : state) {
        data.random.RandomState = start;
        start = start * 2654435761u + 12345u;
        mogran::GenerateProblemSet(data, kind);
        benchmark::DoNotOptimize(data.problemSet);
    }
}
BENCHMARK(BM_GenerateProblemSetVaryingState)->DenseRange(1, 8)->Unit(benchmark::kMicrosecond);

}  // namespace
