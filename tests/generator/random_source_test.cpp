#include "random_source.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace mogran {
namespace {

TEST(RandomSource, FirstDrawsFromStateZero) {
    RandomSource random([] { return TimeOfDay{}; });
    std::vector<std::int32_t> draws;
    for (int i = 0; i < 6; ++i)
        draws.push_back(random.RandomBelow(10));
    EXPECT_EQ(draws, (std::vector<std::int32_t>{0, 0, 8, 2, 2, 6}));
}

TEST(RandomSource, ReseedFromClockCountsMillisecondsSinceUtcMidnight) {
    RandomSource random([] { return TimeOfDay{12, 34, 56, 789}; });
    random.ReseedFromClock();
    EXPECT_EQ(random.RandomState, 45296789u);
}

}  // namespace
}  // namespace mogran
