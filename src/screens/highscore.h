// The highscore screen shown when the level time runs out.
#pragma once

namespace orv {

struct Game;

void show_highscore(Game& g);

}  // namespace orv
