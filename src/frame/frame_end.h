// The end of every frame (module ddd).
#pragma once

namespace orv {

struct Game;

// The end of every frame: world drawing, level clock, flip, event polling, pause, game over.
void frame_end(Game& g);

}  // namespace orv
