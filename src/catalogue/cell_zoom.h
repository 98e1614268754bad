// Zooming cell sprites to the tile size.
#pragma once

#include <cstdint>

#include "media/types.h"

namespace orv {

struct Game;
struct TileGraphic;

// The graphic's shared 3D sprite at the picture's own size, made when first asked for.
media::Sprite3dId natural_tile_sprite(Game& g, TileGraphic& t);
// Zooms the cell's sprite to the tile size (rounded) when it has one and its alpha is above 0.
// A cell holding its graphic's unzoomed sprite moves to the graphic's zoomed one, so zooming
// one cell never changes the size of another cell that keeps the picture's own size.
void rezoom_cell(Game& g, int x, int y);
// rezoom_cell for every cell of the level extent.
void rezoom_level_cells(Game& g);

}  // namespace orv
