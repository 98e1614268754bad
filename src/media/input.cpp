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

bool Input::init_joystick() {
  joystick_ = platform_.open_joystick();
  return joystick_;
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
  if (joystick_) platform_.read_joystick(pad_);
}

int Input::joystick_axis_x() const {
  return joystick_ ? axis_direction(pad_.axis_x) : 0;
}

int Input::joystick_axis_y() const {
  return joystick_ ? axis_direction(pad_.axis_y) : 0;
}

bool Input::joystick_button(int button) const {
  if (!joystick_ || button < 1 || button > int(pad_.buttons.size())) return false;
  return pad_.buttons[button - 1];
}

}  // namespace orv::media
