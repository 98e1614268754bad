// Start-up: from the configuration file to the first level.
#pragma once

namespace orv {

struct Game;

// Start values, configuration, media services, window and catalogues, up to the first level.
// A fault on the way is logged and ends the program with a message and kExitAfterFaults.
void start_up(Game& g);

}  // namespace orv
