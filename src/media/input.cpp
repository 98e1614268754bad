// Keyboard and joypad snapshots.
#include "media/input.h"

namespace orv::media {
namespace {

constexpr int kAxisThreshold = 500;

int axis_direction(int value) {
  if (value < -kAxisThreshold) return -1;
  if (value > kAxisThreshold) return 1;
  return 0;
}

bool any_of(const KeyStates& keys) {
  for (bool down : keys)
    if (down) return true;
  return false;
}

bool in_range(int key) {
  return key >= 0 && key < key::kCount;
}

}  // namespace

bool Input::init_keyboard() {
  return platform_.open_keyboard();
}

bool Input::init_joystick(const std::string& mapping_file) {
  if (!mapping_file.empty()) platform_.add_pad_mappings(mapping_file);
  watching_pads_ = true;
  const bool present = platform_.open_joystick();
  examine_joystick();
  return present;
}

void Input::examine_keyboard() {
  KeyStates fresh{};
  platform_.read_keys(fresh);
  for (int k = 0; k < key::kCount; ++k) released_[k] = now_[k] && !fresh[k];
  now_ = fresh;
}

bool Input::keyboard_pushed(int key) const {
  if (key == key::kAny) return any_of(now_);
  return in_range(key) && now_[key];
}

bool Input::keyboard_released(int key) const {
  if (key == key::kAny) return any_of(released_);
  return in_range(key) && released_[key];
}

void Input::examine_joystick() {
  pad_ = JoystickState{};
  if (watching_pads_) platform_.read_joystick(pad_);
}

int Input::joystick_axis_x() const {
  return axis_direction(pad_.axis_x);
}

int Input::joystick_axis_y() const {
  return axis_direction(pad_.axis_y);
}

bool Input::joystick_button(int button) const {
  if (button < 1 || button > int(pad_.buttons.size())) return false;
  return pad_.buttons[button - 1];
}

}  // namespace orv::media
