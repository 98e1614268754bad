// The end of a game: the closing sequence and the way back to the title menu.
#pragma once

namespace orv {

struct Game;

void game_over(Game& g);
void return_to_title(Game& g);

}  // namespace orv
