#pragma once

#include <cstdint>

namespace mogran {

// The trainer's own random numbers (xorshift64*), the same on every standard library, so that
// the same seed gives the same model bytes.
class ShapingRandom {
public:
    explicit ShapingRandom(std::uint64_t seed) : state_(seed ? seed : 0x9e3779b97f4a7c15ull) {}

    std::uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545f4914f6cdd1dull;
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    // Uniform in [low, high).
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    // Uniform in 0 .. count - 1.
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }
    bool Chance(double p) { return Unit() < p; }

private:
    std::uint64_t state_;
};

}  // namespace mogran
