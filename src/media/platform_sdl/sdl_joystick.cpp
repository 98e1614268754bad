#include "media/platform_sdl/sdl_joystick.h"

#include "media/platform_sdl/sdl_convert.h"

namespace orv::media {

bool SdlJoystick::open() {
  if (joystick_) return true;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
  for (int i = 0; i < SDL_NumJoysticks() && !joystick_; ++i) joystick_ = SDL_JoystickOpen(i);
  if (!joystick_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  return joystick_ != nullptr;
}

void SdlJoystick::read(JoystickState& state) {
  state = JoystickState{};
  if (!joystick_) return;
  SDL_JoystickUpdate();
  state.axis_x = scale_axis(SDL_JoystickGetAxis(joystick_, 0));
  state.axis_y = scale_axis(SDL_JoystickGetAxis(joystick_, 1));
  int buttons = SDL_JoystickNumButtons(joystick_);
  for (int i = 0; i < buttons && i < int(state.buttons.size()); ++i) {
    state.buttons[i] = SDL_JoystickGetButton(joystick_, i) != 0;
  }
}

void SdlJoystick::close() {
  if (joystick_) SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
}

}  // namespace orv::media
