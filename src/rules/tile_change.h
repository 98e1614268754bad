// Changing a cell's tile: the one way the play rules turn one tile kind into another.
#pragma once

#include "game/names.h"

namespace orv {

struct Game;

// Gives cell (x, y) the tile name and reloads it from that tile's definition.
void change_tile(Game& g, int x, int y, NameId tile_name);

}  // namespace orv
