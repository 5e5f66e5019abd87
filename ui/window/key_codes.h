#pragma once

#include <cstdint>

#include <Qt>

namespace mogran {

// The virtual-key code of a key as the drill's key handlers know it (Enter 13, 'A'..'Z'
// 65..90, '0'..'9' 48..57, keypad digits 96..105, ...); 0 for a key without one.
std::int32_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace mogran
