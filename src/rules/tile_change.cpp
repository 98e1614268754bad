#include "rules/tile_change.h"

#include "catalogue/tile_placement.h"
#include "game/game.h"

namespace orv {

void change_tile(Game& g, int x, int y, NameId tile_name) {
  if (!g.world.grid.contains(x, y)) return;
  g.world.grid.set_tile_name(x, y, tile_name);
  retile_cell(g, x, y);
}

}  // namespace orv
