// The keyboard controls and the keys bound to them; a player may rebind them (controls.txt).
#pragma once

#include <array>
#include <vector>

#include "media/keys.h"

namespace orv {

// The controls a key can be bound to, in the order of KeyBindings.
enum class Control {
  kUp,
  kDown,
  kLeft,
  kRight,
  kBomb,  // command A
  kB,
  kX,
  kY,
  kPause,  // command START
  kQuit,
  kScreenshot,
  kLevelUp,
  kLevelDown,
};
constexpr int kControlCount = int(Control::kLevelDown) + 1;

// Game key numbers (media/keys.h) bound to each control.
using KeyBindings = std::array<std::vector<int>, kControlCount>;

// The game's own keys: arrows move; Space or A, B, C or X, D or Y, P, Escape, F12, Page Up and
// Page Down.
inline KeyBindings default_key_bindings() {
  namespace key = media::key;
  return {{{key::kUp},
           {key::kDown},
           {key::kLeft},
           {key::kRight},
           {key::kSpace, key::kA},
           {key::kB},
           {key::kC, key::kX},
           {key::kD, key::kY},
           {key::kP},
           {key::kEscape},
           {key::kF12},
           {key::kPageUp},
           {key::kPageDown}}};
}

}  // namespace orv
