// Which input devices count as game pads. Many devices show up as joysticks (motion sensors of
// pads and laptops, some mice, keyboards with media knobs); none of them may drive the game.
#pragma once

#include <string>

namespace orv::media {

struct PadTraits {
  std::string name;
  bool mapped = false;  // the device has a game controller mapping
  int axes = 0;
  int buttons = 0;
  int hats = 0;
};

// A mapped controller counts unless its name says it is something else; an unmapped joystick
// also needs a direction (two axes or a hat) and at least four buttons.
bool counts_as_pad(const PadTraits& device);

}  // namespace orv::media
