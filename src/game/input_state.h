// Held direction, command and the action latch of the player's input.
#pragma once

#include <array>
#include <cstdint>

#include "game/key_bindings.h"

namespace orv {

// Command codes read after read_input.
constexpr std::int32_t kCommandA = 0;
constexpr std::int32_t kCommandB = 1;
constexpr std::int32_t kCommandX = 4;
constexpr std::int32_t kCommandY = 5;
constexpr std::int32_t kCommandButton7 = 10;
constexpr std::int32_t kCommandButton8 = 11;
constexpr std::int32_t kCommandButton5 = 12;
constexpr std::int32_t kCommandButton6 = 13;
constexpr std::int32_t kCommandStart = 14;
constexpr std::int32_t kCommandQuit = 15;
constexpr std::int32_t kCommandNone = 16;
constexpr std::int32_t kCommandScreenshot = 18;

// Held direction codes.
constexpr std::uint8_t kHeldUp = 6;
constexpr std::uint8_t kHeldDown = 7;
constexpr std::uint8_t kHeldLeft = 8;
constexpr std::uint8_t kHeldRight = 9;
constexpr std::uint8_t kHeldNone = 16;

// Action latch values.
constexpr std::uint8_t kActionSeenUp = 17;  // the action button was up since the last action
constexpr std::uint8_t kActionTaken = 16;   // an action was just taken

// What the menus (the options screen) saw of the keys and the pad in their last frame, so that
// they act on presses, and how long a direction has been held, for its repeats.
struct MenuInputState {
  std::array<bool, media::key::kCount> keys_before{};
  std::uint32_t buttons_before = 0;  // bit b: pad button b + 1
  std::uint8_t held = kHeldNone;
  int held_frames = 0;
};

struct InputState {
  std::uint8_t held_direction = 0;  // this frame: 6 up, 7 down, 8 left, 9 right, 16 none
  std::int32_t command = -1;        // this frame's command; 16 = none
  std::uint8_t action_latch = 1;
  bool action_armed = false;      // true: the next A command detonates a bomb
  std::int32_t step_counter = 0;  // frames since the player's last step
  // Dialogs open inside each other; the quit and START commands open none while one is open.
  std::int32_t open_dialogs = 0;
  // The command that closed a screen or a dialog: its keys (or button) count as up until they
  // have been seen up, so one press never acts twice (kCommandNone = nothing held back).
  std::int32_t held_back = kCommandNone;
  KeyBindings keys = default_key_bindings();
  MenuInputState menu;
};

}  // namespace orv
