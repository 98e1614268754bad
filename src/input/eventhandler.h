// The player's input: held direction, commands, steps.
#pragma once

namespace orv {

struct Game;

void read_input(Game& g);

}  // namespace orv
