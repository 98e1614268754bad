#include "media/platform_sdl/sdl_pad_layout.h"

#include <algorithm>
#include <cstdlib>

#include "media/platform_sdl/sdl_convert.h"

namespace orv::media {
namespace {

constexpr int kFull = 1000;
// Stick readings closer to the centre than this (of 32767) count as centred.
constexpr int kStickDeadZone = 8000;
// A trigger counts as a pressed button past half its travel (of 32767).
constexpr int kTriggerPressed = 16384;

// Button n + 1 of the game: a controller button, or a trigger when button is INVALID.
struct LayoutEntry {
  SDL_GameControllerButton button;
  SDL_GameControllerAxis trigger;
};
constexpr LayoutEntry kLayout[] = {
    {SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_INVALID, SDL_CONTROLLER_AXIS_TRIGGERLEFT},
    {SDL_CONTROLLER_BUTTON_INVALID, SDL_CONTROLLER_AXIS_TRIGGERRIGHT},
    {SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_AXIS_INVALID},
    {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_AXIS_INVALID},
};

bool down(SDL_GameController* c, const LayoutEntry& entry) {
  if (entry.button != SDL_CONTROLLER_BUTTON_INVALID)
    return SDL_GameControllerGetButton(c, entry.button) != 0;
  return SDL_GameControllerGetAxis(c, entry.trigger) >= kTriggerPressed;
}

int stick(SDL_GameController* c, SDL_GameControllerAxis axis) {
  const Sint16 value = SDL_GameControllerGetAxis(c, axis);
  return std::abs(int(value)) < kStickDeadZone ? 0 : scale_axis(value);
}

// -1000, 1000, or the fallback when neither or both directions are pressed.
int pressed_direction(bool negative, bool positive, int fallback) {
  if (negative == positive) return fallback;
  return negative ? -kFull : kFull;
}

}  // namespace

void read_controller(SDL_GameController* c, JoystickState& state) {
  auto button = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
  state.axis_x = pressed_direction(button(SDL_CONTROLLER_BUTTON_DPAD_LEFT),
                                   button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
                                   stick(c, SDL_CONTROLLER_AXIS_LEFTX));
  state.axis_y = pressed_direction(button(SDL_CONTROLLER_BUTTON_DPAD_UP),
                                   button(SDL_CONTROLLER_BUTTON_DPAD_DOWN),
                                   stick(c, SDL_CONTROLLER_AXIS_LEFTY));
  for (std::size_t i = 0; i < std::size(kLayout); ++i) state.buttons[i] = down(c, kLayout[i]);
}

void read_raw_joystick(SDL_Joystick* j, JoystickState& state) {
  const Uint8 hat = SDL_JoystickNumHats(j) > 0 ? SDL_JoystickGetHat(j, 0) : SDL_HAT_CENTERED;
  state.axis_x = pressed_direction(hat & SDL_HAT_LEFT, hat & SDL_HAT_RIGHT,
                                   scale_axis(SDL_JoystickGetAxis(j, 0)));
  state.axis_y = pressed_direction(hat & SDL_HAT_UP, hat & SDL_HAT_DOWN,
                                   scale_axis(SDL_JoystickGetAxis(j, 1)));
  const int buttons = std::min(SDL_JoystickNumButtons(j), int(state.buttons.size()));
  for (int i = 0; i < buttons; ++i) state.buttons[i] = SDL_JoystickGetButton(j, i) != 0;
}

}  // namespace orv::media
