// The level clock (module engine_internals): one time unit every WORLDREFRESH + 1 frames.
#pragma once

namespace orv {

struct Game;

// Counts one frame of the level time; below time 0 the highscore screen runs and the game ends.
void level_timer_tick(Game& g);

}  // namespace orv
