// The tile pass: every visible tile of the level, with the patterns that fix paint.
#pragma once

namespace orv {

struct Game;

// Draws the live visible cells, running the blue and pink patterns on each one first.
void tile_pass(Game& g);

}  // namespace orv
