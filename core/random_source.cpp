#include "random_source.h"

#include <chrono>
#include <utility>

namespace mogran {

TimeOfDay SystemUtcTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    const hh_mm_ss<milliseconds> t{duration_cast<milliseconds>(sinceMidnight)};
    return TimeOfDay{static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
                     static_cast<int>(t.seconds().count()),
                     static_cast<int>(t.subseconds().count())};
}

RandomSource::RandomSource(Clock clock) : clock_(std::move(clock)) {}

std::int32_t RandomSource::RandomBelow(std::int32_t n) {
    RandomState = RandomState * 134775813u + 1u;
    const std::uint64_t product =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * RandomState;
    return static_cast<std::int32_t>(product >> 32);
}

void RandomSource::ReseedFromClock() {
    const TimeOfDay t = clock_();
    RandomState = static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 +
                                             t.millisecond);
}

}  // namespace mogran
