#include "catalogue/cell_zoom.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

media::Sprite3dId shared_sprite(Game& g, media::Sprite3dId& slot, media::SpriteId sprite) {
  media::Graphics& gfx = g.media.gfx;
  if (!slot || !gfx.is_sprite3d(slot)) slot = gfx.create_sprite3d(sprite);
  return slot;
}

// The graphic whose unzoomed sprite the cell holds, or nullptr. Usually the cell's own graphic;
// a cell whose later graphic was unknown kept the sprite of the earlier one.
TileGraphic* natural_owner(AssetsState& assets, const Cell& c) {
  auto it = assets.tile_graphic_index.find(c.graphic_name);
  if (it != assets.tile_graphic_index.end()) {
    TileGraphic& own = assets.tile_graphics[it->second];
    if (own.natural_sprite3d == c.sprite3d) return &own;
    if (own.sprite3d == c.sprite3d) return nullptr;
  }
  for (TileGraphic& t : assets.tile_graphics)
    if (t.natural_sprite3d == c.sprite3d) return &t;
  return nullptr;
}

void rezoom(Game& g, Cell& c) {
  if (!c.sprite3d || c.alpha <= 0) return;
  if (TileGraphic* t = natural_owner(g.assets, c))
    c.sprite3d = shared_sprite(g, t->sprite3d, t->sprite);
  g.media.gfx.zoom_sprite3d(c.sprite3d, float(media::round_even(g.config.tile_width)),
                            float(media::round_even(g.config.tile_height)));
}

}  // namespace

media::Sprite3dId natural_tile_sprite(Game& g, TileGraphic& t) {
  return shared_sprite(g, t.natural_sprite3d, t.sprite);
}

void rezoom_cell(Game& g, int x, int y) {
  if (Cell* c = g.world.grid.find(x, y)) rezoom(g, *c);
}

void rezoom_level_cells(Game& g) {
  WorldGrid& grid = g.world.grid;
  for (int x = 0; x <= g.world.last_column && x < grid.columns(); ++x)
    for (int y = 0; y <= g.world.last_row && y < grid.rows(); ++y) rezoom(g, grid.at(x, y));
}

}  // namespace orv
