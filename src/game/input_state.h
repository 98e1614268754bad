// Held direction, command and the action latch of the player's input.
#pragma once

#include <array>
#include <cstdint>

#include "game/key_bindings.h"

namespace orv {

// The command read from the keys and the pad in a frame; kept games carry the number.
// kNotRead: before the first frame.
enum class Command : std::int32_t {
  kNotRead = -1,
  kA = 0,
  kB = 1,
  kX = 4,
  kY = 5,
  kButton7 = 10,
  kButton8 = 11,
  kButton5 = 12,
  kButton6 = 13,
  kStart = 14,
  kQuit = 15,
  kNone = 16,
  kScreenshot = 18
};

// The direction the player holds in a frame.
enum class HeldDirection : std::uint8_t { kUp = 6, kDown = 7, kLeft = 8, kRight = 9, kNone = 16 };

// Whether the action button may detonate a bomb; kept games carry the number.
enum class ActionLatch : std::uint8_t {
  kStart = 1,    // nothing seen yet
  kTaken = 16,   // an action was just taken
  kSeenUp = 17,  // the action button was up since the last action
};

// What the menus (the options screen) saw of the keys and the pad in their last frame, so that
// they act on presses, and how long a direction has been held, for its repeats.
struct MenuInputState {
  std::array<bool, media::key::kCount> keys_before{};
  std::uint32_t buttons_before = 0;  // bit b: pad button b + 1
  HeldDirection held = HeldDirection::kNone;
  int held_frames = 0;
};

struct InputState {
  HeldDirection held_direction = HeldDirection::kNone;  // this frame's
  Command command = Command::kNotRead;                  // this frame's
  ActionLatch action_latch = ActionLatch::kStart;
  bool action_armed = false;      // true: the next A command detonates a bomb
  std::int32_t step_counter = 0;  // frames since the player's last step
  // Dialogs open inside each other; the quit and START commands open none while one is open.
  std::int32_t open_dialogs = 0;
  // The command that closed a screen or a dialog: its keys (or button) count as up until they
  // have been seen up, so one press never acts twice (Command::kNone = nothing held back).
  Command held_back = Command::kNone;
  KeyBindings keys = default_key_bindings();
  MenuInputState menu;
};

}  // namespace orv
