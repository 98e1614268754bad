// The player's paint and the HARDCORE trap.
#pragma once

namespace orv {

struct Game;

// The player on cell (x, y): bare and green floor and pink paint become blue; in HARDCORE the
// painted cell then blocks, and a player it boxes in is trapped.
void paint_by_player(Game& g, int x, int y);
// The HARDCORE trap: when no neighbour of cell (x, y) is open, the game ends at the end of the
// frame, which returns to the title.
void trap_test(Game& g, int x, int y);

}  // namespace orv
