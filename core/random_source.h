#pragma once

#include <cstdint>
#include <functional>

namespace mogran {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The current UTC time of day from the system clock.
TimeOfDay SystemUtcTimeOfDay();

// 32-bit linear congruential generator; every problem draw comes from here.
class RandomSource {
public:
    using Clock = std::function<TimeOfDay()>;

    explicit RandomSource(Clock clock = SystemUtcTimeOfDay);

    // A uniform integer in 0..n-1 from the high bits of the advanced state; n >= 1.
    std::int32_t RandomBelow(std::int32_t n);

    // State := milliseconds since UTC midnight.
    void ReseedFromClock();

    void SetClock(Clock clock) { clock_ = std::move(clock); }

    std::uint32_t RandomState = 0;

private:
    Clock clock_;
};

}  // namespace mogran
