// The game's ten buttons and two axes read from an SDL game controller, and from a joystick
// SDL has no mapping for.
#pragma once

#include <SDL.h>

#include "media/platform.h"

namespace orv::media {

// Buttons 1 to 10 are X, A, B, Y (left, bottom, right and top face buttons), the left and right
// shoulder buttons, the left and right triggers (pressed past half way), Back and Start. The
// D-pad, or else the left stick outside its dead zone, gives the axes.
void read_controller(SDL_GameController* controller, JoystickState& state);

// Axes 0 and 1 (or hat 0 when it is pressed) and the buttons in SDL's numbering from 1.
void read_raw_joystick(SDL_Joystick* joystick, JoystickState& state);

}  // namespace orv::media
