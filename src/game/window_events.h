// Letting the window system run while the game thread is busy.
#pragma once

namespace orv {

struct Game;

// Lets the window system run when the game thread polls events (MULTICORE 0).
void poll_window_events(Game& g);

}  // namespace orv
