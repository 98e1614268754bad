// Start-up: from the configuration file to the first level.
#pragma once

namespace orv {

struct Game;

// Start values, configuration, media services, window and catalogues, up to the first level.
// A fault on the way is logged and ends the program with a message and kExitAfterFaults.
void start_up(Game& g);

// Notes where the game started (its data folder, now the current one), where its
// configuration file is and where the player's configuration goes: the first step of start_up,
// and of every task that reads the configuration without starting the game.
void note_start_places(Game& g);

}  // namespace orv
