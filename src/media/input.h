// Keyboard and joypad snapshots, taken once per frame.
#pragma once

#include <string>

#include "media/platform.h"

namespace orv::media {

class Input {
 public:
  explicit Input(Platform& platform) : platform_(platform) {}

  bool init_keyboard();
  // Starts watching for game pads; true when one is connected now. Pads plugged in later are
  // used from the next snapshot on. Controller mappings come from mapping_file when it exists.
  bool init_joystick(const std::string& mapping_file = {});

  void examine_keyboard();
  // key -1 means any key.
  bool keyboard_pushed(int key) const;
  // True at the first snapshot in which a key that was down at an earlier snapshot is up.
  bool keyboard_released(int key) const;

  // A snapshot of the pad that drives the game (all zero when none is connected).
  void examine_joystick();
  bool joystick_present() const { return pad_.connected; }
  int joystick_axis_x() const;  // -1, 0 or 1
  int joystick_axis_y() const;
  bool joystick_button(int button) const;  // numbered from 1

 private:
  Platform& platform_;
  KeyStates now_{};
  KeyStates released_{};
  bool watching_pads_ = false;  // init_joystick was called
  JoystickState pad_{};
};

}  // namespace orv::media
