#include "catalogue/enemy_placement.h"

#include <vector>

#include "catalogue/anchor.h"
#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::round_even;

std::vector<Enemy>& group_list(WorldState& world, EnemyGroup group) {
  return group == EnemyGroup::kA ? world.enemies_a : world.enemies_b;
}

Enemy make_enemy(Game& g, const ObjectKind& k, int x, int y) {
  const KindSprite made = make_kind_sprite(g, k);
  Enemy e;
  e.sprite3d = made.sprite3d;
  e.width = made.width;
  e.height = made.height;
  e.blend_source = k.blend_source;
  e.blend_destination = k.blend_destination;
  e.alpha = k.alpha;
  e.step_chance = k.step_chance;
  e.steps_per_tile_x = k.steps_per_tile_x;
  e.steps_per_tile_y = k.steps_per_tile_y;
  e.behaviour = k.behaviour;
  e.activity_chance = k.activity_chance;
  e.turn_chance = k.turn_chance;
  e.rotation_step = k.rotation_step;
  e.x = round_even(double(x) * g.config.tile_width);
  e.y = round_even(double(y) * g.config.tile_height);
  // Enemies keep their picture's size: DFITTOMATRIX is not read for them.
  anchor_offset(g.config, k, e.width, e.height, e.hotspot_x, e.hotspot_y);
  return e;
}

void spawn_on_cell(Game& g, int x, int y, EnemyGroup group) {
  std::vector<Enemy>& list = group_list(g.world, group);
  for (const ObjectKind& k : g.catalogue.kinds) {
    if (group == EnemyGroup::kA && std::int64_t(list.size()) >= g.config.max_group_a_enemies)
      return;
    if (k.enemy_group != std::int8_t(group)) continue;
    if (g.media.sys.random(k.density) != 0) continue;
    list.push_back(make_enemy(g, k, x, y));
  }
}

}  // namespace

void spawn_enemies(Game& g, int max_x, int max_y, EnemyGroup group) {
  WorldGrid& grid = g.world.grid;
  for (int x = 0; x <= max_x && x < grid.columns(); ++x)
    for (int y = 0; y <= max_y && y < grid.rows(); ++y)
      if (grid.at(x, y).enemy_spawn == 1) spawn_on_cell(g, x, y, group);
}

void clear_enemies(Game& g, EnemyGroup group) {
  std::vector<Enemy>& list = group_list(g.world, group);
  for (const Enemy& e : list)
    if (e.sprite3d) g.media.gfx.free_sprite3d(e.sprite3d);
  list.clear();
}

}  // namespace orv
