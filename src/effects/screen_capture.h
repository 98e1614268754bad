// The screen capture: a copy of the picture drawn so far, used by the full-screen pass, the
// level announcement and the game-over sequence. Each frees the previous capture first.
#pragma once

namespace orv {

struct Game;

// Frees the capture (3D sprite, then sprite) if there is one.
void free_screen_capture(Game& g);
// Frees the previous capture and copies the screen from pixel (1, 1), of the screen size times
// FULLSCREENZOOM less one pixel, into a new one.
void grab_screen_capture(Game& g);
// The full-screen pass: the frame drawn so far is replaced by its capture stretched to the
// whole screen, filtered when smooth is 1.
void screen_capture_pass(Game& g, int smooth);

}  // namespace orv
