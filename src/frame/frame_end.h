// The end of every frame (module ddd).
#pragma once

namespace orv {

struct Game;

// The end of every frame: world drawing, level clock, flip, event polling, pause; then the game
// over sequence when the game has ended, or the title menu when the HARDCORE trap caught the
// player.
void frame_end(Game& g);

}  // namespace orv
