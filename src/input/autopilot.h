// Where a player heads next: the shortest walk to a floor cell that still needs paint, read from
// what the screen shows (tile names, walls and water, the player's cell, pick-ups).
#pragma once

#include <optional>

#include "game/game.h"

namespace orv {

// How the next cell to paint is chosen.
enum class Aim {
  kNearest,  // the nearest paintable cell (the recorded play-through uses this)
  kGreedy,   // nearest, but a cell that closes a 2x2 block or holds a clock counts as nearer
};

// The first step on the shortest walk from the player's cell to the chosen cell, as an arrow
// key; nullopt when no paintable cell can be reached.
std::optional<int> autopilot_arrow(const Game& g, Aim aim = Aim::kNearest);

}  // namespace orv
