// A simple player for recording play-throughs: walks the shortest way to the nearest floor
// cell that still needs paint, so painted cells close patterns and get fixed.
#pragma once

#include <optional>

#include "game/coordinates.h"
#include "game/game.h"
#include "support/input_script.h"

namespace orv::test {

// The first step on the shortest walk from the player's cell to the nearest cell that the
// player can paint, as an arrow key; nullopt when no such cell can be reached.
std::optional<int> autopilot_arrow(const Game& g);

// Holds the arrow autopilot_arrow chooses (or none) for the coming frames.
void steer(const Game& g, KeyRecorder& keys);

}  // namespace orv::test
