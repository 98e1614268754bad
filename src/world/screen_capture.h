// The screen capture: one sprite grabbed from the screen and its 3D sprite.
#pragma once

namespace orv {

struct Game;

// Frees the capture (3D sprite, then sprite), if there is one.
void free_screen_capture(Game& g);
// Frees the previous capture and grabs the screen from (1, 1), as wide and high as the screen
// times FULLSCREENZOOM less one pixel. A failed grab leaves handle 0.
void capture_screen(Game& g);

}  // namespace orv
