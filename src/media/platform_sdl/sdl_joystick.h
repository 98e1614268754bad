// The first joystick SDL finds, read as the game's joypad.
#pragma once

#include <SDL.h>

#include "media/platform.h"

namespace orv::media {

class SdlJoystick {
 public:
  SdlJoystick() = default;
  ~SdlJoystick() { close(); }
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;

  // Opens the first joystick that opens; false when there is none.
  bool open();
  // Axes scaled to -1000..1000 and buttons from 1; all zero without a joystick.
  void read(JoystickState& state);
  void close();

 private:
  SDL_Joystick* joystick_ = nullptr;
};

}  // namespace orv::media
