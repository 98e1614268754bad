// The game numbers keys by the classic DirectInput scan codes (keys.h); SDL by USB usage
// (SDL_Scancode). Both name physical key positions, so one fixed table joins them.
#pragma once

#include <SDL.h>

#include "media/platform.h"

namespace orv::media {

// The SDL scancode of a game key number, SDL_SCANCODE_UNKNOWN for numbers no key uses.
SDL_Scancode scancode_of_key(int key);

// SDL's keyboard state as the game numbers its keys (events must have been pumped).
void read_key_states(KeyStates& keys);

}  // namespace orv::media
