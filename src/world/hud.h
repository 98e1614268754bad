// The head-up display: the counters over the play field and the scrolling notice.
#pragma once

namespace orv {

struct Game;

// Draws the head-up display; it also counts the score up towards its target and keeps the
// remaining count at 0 or above.
void draw_hud(Game& g);

}  // namespace orv
