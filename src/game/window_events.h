// Letting the window system run while the game thread is busy.
#pragma once

namespace orv {

struct Game;

// Lets the window system run between the steps of long operations and at the end of a frame
// when the game thread handles window events itself (MULTICORE 0): waits at most MULTITASK ms
// for one event. With MULTICORE 1 the media layer handles them at every flip and this does
// nothing.
void poll_window_events(Game& g);

}  // namespace orv
