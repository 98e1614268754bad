#include "catalogue/cell_zoom.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

void rezoom(Game& g, const Cell& c) {
  if (c.sprite == 0 || c.alpha <= 0) return;
  g.media.gfx.zoom_sprite3d(c.sprite, float(media::round_even(g.config.tile_width)),
                            float(media::round_even(g.config.tile_height)));
}

}  // namespace

void rezoom_cell(Game& g, int x, int y) {
  if (const Cell* c = g.world.grid.find(x, y)) rezoom(g, *c);
}

void rezoom_level_cells(Game& g) {
  WorldGrid& grid = g.world.grid;
  for (int x = 0; x <= g.world.last_column && x < grid.columns(); ++x)
    for (int y = 0; y <= g.world.last_row && y < grid.rows(); ++y) rezoom(g, grid.at(x, y));
}

}  // namespace orv
