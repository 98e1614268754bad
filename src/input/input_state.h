// Held direction, command and the action latch of the player's input.
#pragma once

#include <cstdint>

namespace orv {

// Command codes read after read_input.
constexpr std::int32_t kCommandStart = 14;
constexpr std::int32_t kCommandNone = 16;

struct InputState {
  std::uint8_t held_direction = 0;  // this frame: 6 up, 7 down, 8 left, 9 right, 16 none
  std::int32_t command = -1;        // this frame's command; 16 = none
};

}  // namespace orv
