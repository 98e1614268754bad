// The player's name, shown by the head-up display and the highscore screen.
#pragma once

namespace orv {

struct Game;

// The name the settings give, else the last folder of the home folder (the login name).
void read_player_name(Game& g);

}  // namespace orv
