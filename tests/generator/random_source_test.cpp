#include "random_source.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace mogran {
namespace {

TEST(RandomSourceTest, SequenceFromStateZero) {
    RandomSource random([] { return TimeOfDay{}; });
    random.RandomState = 0;
    std::vector<std::int32_t> draws;
    for (int i = 0; i < 6; ++i)
        draws.push_back(random.RandomBelow(10));
    EXPECT_EQ(draws, (std::vector<std::int32_t>{0, 0, 8, 2, 2, 6}));
}

TEST(RandomSourceTest, RandomBelowOneIsZeroAndStillAdvances) {
    RandomSource random([] { return TimeOfDay{}; });
    random.RandomState = 0;
    EXPECT_EQ(random.RandomBelow(1), 0);
    EXPECT_EQ(random.RandomState, 1u);
    random.RandomState = 0xFFFFFFFFu;
    EXPECT_EQ(random.RandomBelow(1), 0);
    // (2^32 - 1) * 134775813 + 1 == -134775812 (mod 2^32)
    EXPECT_EQ(random.RandomState, 0u - 134775812u);
}

TEST(RandomSourceTest, ResultComesFromTheHighBits) {
    RandomSource random([] { return TimeOfDay{}; });
    // The state after the step is 0xFFFFFFFF: a remainder would give 0xFFFFFFFF % 7 == 3.
    random.RandomState = 0x4D60AE66u;
    ASSERT_EQ(random.RandomState * 134775813u + 1u, 0xFFFFFFFFu);
    EXPECT_EQ(random.RandomBelow(7), 6);
}

TEST(RandomSourceTest, ReseedFromClockCountsMillisecondsSinceMidnight) {
    struct Case {
        TimeOfDay time;
        std::uint32_t state;
    };
    const Case cases[] = {
        {{12, 34, 56, 789}, 45296789u},
        {{0, 0, 0, 0}, 0u},
        {{23, 59, 59, 999}, 86399999u},
    };
    for (const Case& c : cases) {
        RandomSource random([&] { return c.time; });
        random.RandomState = 77;
        random.ReseedFromClock();
        EXPECT_EQ(random.RandomState, c.state) << c.time.hour << ':' << c.time.minute;
    }
}

}  // namespace
}  // namespace mogran
