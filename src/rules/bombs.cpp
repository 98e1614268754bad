// Bombs: a blast wipes fixed floor back to bare floor along the four axes from the player.
#include "rules/bombs.h"

#include <algorithm>

#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "rules/tile_change.h"
#include "sound/named_sounds.h"

namespace orv {

namespace {

// A ray goes on through every cell that does not stop blasts.
bool passes(const WorldState& world, int x, int y) {
  return world.grid.at(x, y).collision != 2;
}

void reset_cell(Game& g, int x, int y) {
  const NameId tile = g.world.grid.tile_name(x, y);
  if (tile != name::kLabFixedFloor && tile != name::kLabFixedPinkFloor) return;
  change_tile(g, x, y, name::kLabFloor);
  g.world.remaining = media::saturating_add(g.world.remaining, 1);
}

}  // namespace

void use_bomb(Game& g) {
  if (g.world.bombs <= 0) return;
  detonate_bomb(g);
  --g.world.bombs;
}

void detonate_bomb(Game& g) {
  const CellPosition c = cell_under_player(g);
  const int last_x = g.world.last_column;
  const int last_y = g.world.last_row;
  // Cells beyond the grid are empty and change nothing, so the rays that run back towards the
  // grid may start at its edge.
  const int from_x = std::min(c.x, g.world.grid.columns());
  const int from_y = std::min(c.y, g.world.grid.rows());
  for (int x = c.x; x < last_x && passes(g.world, x, c.y); ++x) reset_cell(g, x, c.y);
  for (int x = from_x; x > 0 && passes(g.world, x, c.y); --x) reset_cell(g, x, c.y);
  for (int y = c.y; y < last_y && passes(g.world, c.x, y); ++y) reset_cell(g, c.x, y);
  for (int y = from_y; y > 0 && passes(g.world, c.x, y); --y) reset_cell(g, c.x, y);
  play_named_sound(g, g.config.explosion_sound, false);
}

}  // namespace orv
