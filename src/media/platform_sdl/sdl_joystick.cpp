#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_keys.h"
#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {

void SdlPlatform::read_keys(KeyStates& keys) {
  pump_events();
  int count = 0;
  const Uint8* down = SDL_GetKeyboardState(&count);
  for (int key = 0; key < key::kCount; ++key) {
    SDL_Scancode scancode = scancode_of_key(key);
    keys[key] = scancode != SDL_SCANCODE_UNKNOWN && scancode < count && down[scancode];
  }
}

bool SdlPlatform::open_joystick() {
  if (joystick_) return true;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
  for (int i = 0; i < SDL_NumJoysticks() && !joystick_; ++i) joystick_ = SDL_JoystickOpen(i);
  if (!joystick_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  return joystick_ != nullptr;
}

void SdlPlatform::read_joystick(JoystickState& state) {
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

}  // namespace orv::media
