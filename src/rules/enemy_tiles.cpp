// What the enemies' steps do to the tile they reach: group A paints it pink, group B wipes it.
#include "rules/enemy_tiles.h"

#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "rules/tile_change.h"
#include "sound/named_sounds.h"

namespace orv {

void paint_pink(Game& g, int px, int py) {
  const CellPosition c = cell_under_world_pixel(g.config, px, py);
  const NameId tile = g.world.grid.tile_name(c.x, c.y);
  if (tile == name::kLabFloor || tile == name::kLabGreen || tile == name::kLabBlueFloor) {
    change_tile(g, c.x, c.y, name::kLabPinkFloor);
  }
}

void erase_paint(Game& g, int px, int py) {
  const CellPosition c = cell_under_world_pixel(g.config, px, py);
  const NameId tile = g.world.grid.tile_name(c.x, c.y);
  if (tile == name::kLabPinkFloor || tile == name::kLabBlueFloor) {
    change_tile(g, c.x, c.y, name::kLabFloor);
  } else if (tile == name::kLabFixedFloor) {
    change_tile(g, c.x, c.y, name::kLabFloor);
    WorldState& w = g.world;
    w.remaining = media::saturating_add(w.remaining, 1);
    w.score = media::saturating_add(w.score, -std::int64_t(w.grid.at(c.x, c.y).value));
    play_named_sound(g, g.config.fixed_tile_wiped_sound, false);
  } else if (tile == name::kLabFixedPinkFloor) {
    change_tile(g, c.x, c.y, name::kLabFloor);
    play_named_sound(g, g.config.fixed_tile_wiped_sound, false);
  }
}

}  // namespace orv
