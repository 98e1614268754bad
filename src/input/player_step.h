// One step of the player: walk on the screen, or scroll the view past the screen's middle.
#pragma once

#include <cstdint>

namespace orv {

struct Game;

// One step of the player in a held direction (6 up, 7 down, 8 left, 9 right); a blocking
// cell stops it.
void move_player(Game& g, std::uint8_t direction);

}  // namespace orv
