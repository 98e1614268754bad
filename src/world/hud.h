// The head-up display: the counters over the play field and the scrolling notice.
#pragma once

namespace orv {

struct Game;

// Draws the head-up display and scrolls its notice.
void draw_hud(Game& g);

}  // namespace orv
