// The player's painting, the HARDCORE trap and the tile helpers the other rules share.
#include "rules/tile_rules.h"

#include "catalogue/tile_placement.h"
#include "game/game.h"
#include "rules/tile_change.h"
#include "sound/named_sounds.h"

namespace orv {

void paint_by_player(Game& g, int x, int y) {
  const NameId tile = g.world.grid.tile_name(x, y);
  if (tile == name::kLabFloor || tile == name::kLabGreen) {
    change_tile(g, x, y, name::kLabBlueFloor);
    play_named_sound(g, g.config.step_sound, false);
    if (g.config.game_mode == "HARDCORE") {
      // Painted floor becomes a barrier behind the player.
      g.world.grid.at(x, y).collision = 1;
      trap_test(g, x, y);
    }
  } else if (tile == name::kLabPinkFloor) {
    change_tile(g, x, y, name::kLabBlueFloor);
    play_named_sound(g, g.config.step_sound, false);
  }
}

namespace {

bool is_open(const WorldState& world, int x, int y) {
  const NameId tile = world.grid.tile_name(x, y);
  return tile != name::kLabBlueFloor && tile != name::kLabWall;
}

}  // namespace

void trap_test(Game& g, int x, int y) {
  if (is_open(g.world, x + 1, y) || is_open(g.world, x - 1, y) || is_open(g.world, x, y + 1) ||
      is_open(g.world, x, y - 1)) {
    return;
  }
  g.frame.title_requested = true;
}

}  // namespace orv
