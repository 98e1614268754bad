// Zooming cell sprites to the tile size.
#pragma once

namespace orv {

struct Game;

// Zooms the cell's sprite to the tile size (rounded) when it has one and its alpha is above 0.
void rezoom_cell(Game& g, int x, int y);
// rezoom_cell for every cell of the level extent.
void rezoom_level_cells(Game& g);

}  // namespace orv
