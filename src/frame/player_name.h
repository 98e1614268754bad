// The player's name, shown by the head-up display and the highscore screen.
#pragma once

namespace orv {

struct Game;

// Takes the player name from the last folder of the home folder.
void read_player_name(Game& g);

}  // namespace orv
