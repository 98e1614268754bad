// Keyboard and joypad snapshots, taken once per frame.
#pragma once

#include "media/platform.h"

namespace orv::media {

class Input {
 public:
  explicit Input(Platform& platform) : platform_(platform) {}

  bool init_keyboard();
  bool init_joystick();

  void examine_keyboard();
  // key -1 means any key.
  bool keyboard_pushed(int key) const;
  // True at the first snapshot in which a key that was down at an earlier snapshot is up.
  bool keyboard_released(int key) const;

  void examine_joystick();
  int joystick_axis_x() const;  // -1, 0 or 1
  int joystick_axis_y() const;
  bool joystick_button(int button) const;  // numbered from 1

 private:
  Platform& platform_;
  KeyStates now_{};
  KeyStates released_{};
  bool joystick_ = false;
  JoystickState pad_{};
};

}  // namespace orv::media
