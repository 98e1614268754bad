#include "rules/tile_change.h"

#include "catalogue/tile_placement.h"
#include "game/game.h"

namespace orv {

void change_tile(Game& g, int x, int y, NameId tile_name) {
  Cell* cell = g.world.grid.find(x, y);
  if (cell == nullptr) return;
  cell->tile_name = tile_name;
  retile_cell(g, x, y);
}

}  // namespace orv
