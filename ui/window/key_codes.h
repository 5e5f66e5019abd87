#pragma once

#include <cstdint>

namespace mogran {

// The key code the drill's key handlers are given: 13 for Enter (either Return key or the
// keypad's Enter). The handlers look at nothing else, so every other key gives 0.
std::int32_t DrillKeyCode(int qtKey);

}  // namespace mogran
