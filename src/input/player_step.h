// One step of the player: walk on the screen, or scroll the view past the screen's middle.
#pragma once

#include "game/input_state.h"

namespace orv {

struct Game;

// One step of the player in a held direction; a blocking
// cell stops it.
void move_player(Game& g, HeldDirection direction);

}  // namespace orv
