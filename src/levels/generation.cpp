#include "levels/generation.h"

#include <algorithm>

#include "catalogue/cell_zoom.h"
#include "catalogue/enemy_placement.h"
#include "catalogue/object_kinds.h"
#include "catalogue/object_list.h"
#include "catalogue/player_placement.h"
#include "catalogue/tile_definitions.h"
#include "catalogue/tile_placement.h"
#include "game/coordinates.h"
#include "game/errors.h"
#include "game/game.h"
#include "game/play_mode.h"
#include "game/window_events.h"
#include "levels/level_file.h"
#include "levels/progress_bar.h"
#include "media/numbers.h"
#include "sound/music.h"

namespace orv {
namespace {

// The game's integers wrap around at 32 bits.
std::int32_t wrapping_add(std::int32_t a, std::int32_t b) {
  return std::int32_t(std::uint32_t(a) + std::uint32_t(b));
}

void set_level_extent(WorldState& world, int max_x, int max_y) {
  world.last_column = max_x;
  world.last_row = max_y;
}

// Steps 12 to 18 of both builders: tiles, walks, edges, enemies and the zoom of the sprites.
void build_labyrinth(Game& g, int max_x, int max_y) {
  fill_walls(g, max_x, max_y);
  poll_window_events(g);
  random_walk(g, max_x, max_y, name::kLabFloor, true);
  poll_window_events(g);
  random_walk(g, max_x, max_y, name::kLabGreen, false);
  poll_window_events(g);
  random_walk(g, max_x, max_y, name::kLabWater, false);
  poll_window_events(g);
  edge_pass(g);
  poll_window_events(g);
  spawn_enemies(g, max_x, max_y, EnemyGroup::kA);
  spawn_enemies(g, max_x, max_y, EnemyGroup::kB);
  poll_window_events(g);
  rezoom_level_cells(g);
}

// A size drawn as random(half) + half + level, falling back to the MAPSIZE value when it is
// above it or below 1.
std::int32_t generated_size(Game& g, std::int32_t base, std::int32_t map_size) {
  const std::int32_t half = base / 2;
  const std::int64_t size = std::int64_t(g.media.sys.random(half)) + half + g.world.level;
  return size > map_size || size < 1 ? map_size : std::int32_t(size);
}

// A size drawn as random(half) + random(half), kept within the largest level.
std::int32_t base_size(Game& g, std::int32_t base) {
  const std::int32_t first = g.media.sys.random(base / 2);
  const std::int32_t size = wrapping_add(first, g.media.sys.random(base / 2));
  return std::min(size, kLargestLevelIndex);
}

void step_walker(Game& g, int max_x, int max_y, int& x, int& y, std::int32_t& direction) {
  int dx = 0, dy = 0;
  if (g.media.sys.random(g.config.level_building_choices) == 0) direction = g.media.sys.random(3);
  if (direction == 0 && x - 1 > 1) dx = -1;
  if (direction == 1 && y - 1 > 1) dy = -1;
  if (direction == 2 && x + 1 < max_x - 1) dx = 1;
  if (direction == 3 && y + 1 < max_y - 1) dy = 1;
  x += dx;
  y += dy;
}

}  // namespace

void build_generated_level(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  TileDefinitionCacheScope cache(g);
  WorldState& w = g.world;
  w.remaining = 0;
  poll_window_events(g);
  if (w.level < 1) w.level = 0;
  poll_window_events(g);
  seed_level_random(g);
  poll_window_events(g);
  const int max_x = generated_size(g, g.levels.base_w, g.config.max_x);
  const int max_y = generated_size(g, g.levels.base_h, g.config.max_y);
  set_level_extent(g.world, max_x, max_y);
  poll_window_events(g);
  w.remaining = 0;
  poll_window_events(g);
  play_music(g, "");
  // The window system runs twice here, as it always has between these steps of a build.
  poll_window_events(g);
  poll_window_events(g);
  clear_enemies(g, EnemyGroup::kA);
  clear_enemies(g, EnemyGroup::kB);
  poll_window_events(g);
  reset_world(g, max_x, max_y);
  poll_window_events(g);
  load_object_kinds(g);
  poll_window_events(g);
  build_labyrinth(g, max_x, max_y);
}

void build_level_from_base(Game& g, const std::string& file) {
  ORV_FAULT_SITE(g, "io_control");
  g.world.remaining = 0;
  poll_window_events(g);
  media::Files& files = g.media.files;
  const media::FileId f = files.read_file(file);
  if (!f) report_error(g, kErrorBaseFile);
  files.read_string(f);
  g.levels.base_w = media::val(files.read_string(f));
  g.levels.base_h = media::val(files.read_string(f));
  files.read_string(f);
  files.read_string(f);
  files.close_file(f);
  poll_window_events(g);
  TileDefinitionCacheScope cache(g);
  seed_level_random(g);
  poll_window_events(g);
  const int max_x = base_size(g, g.levels.base_w);
  const int max_y = base_size(g, g.levels.base_h);
  set_level_extent(g.world, max_x, max_y);
  poll_window_events(g);
  play_music(g, "");
  reset_world(g, max_x, max_y);
  clear_enemies(g, EnemyGroup::kA);
  clear_enemies(g, EnemyGroup::kB);
  load_player_sprite(g);
  poll_window_events(g);
  build_labyrinth(g, max_x, max_y);
}

void build_first_level(Game& g) {
  if (g.config.generate_levels == 1) {
    build_level_from_base(g, g.config.level_base_file);
  } else {
    load_level_file(g, level_file_name(g.config));
    load_player_sprite(g);  // a level file game shows the player too
  }
}

void seed_level_random(Game& g) {
  g.media.sys.random_seed(wrapping_add(level_world_random(g), g.world.level));
}

void reset_world(Game& g, int max_x, int max_y) {
  WorldState& w = g.world;
  w.view_origin_x = 0;
  w.view_origin_y = 0;
  g.levels.edges.clear();
  clear_placed_objects(g);
  // The cells' 3D sprites belong to the tile graphics and stay.
  w.grid.recreate(std::max(kLevelGridSize, max_x + 1), std::max(kLevelGridSize, max_y + 1));
}

void fill_walls(Game& g, int max_x, int max_y) {
  WorldGrid& grid = g.world.grid;
  for (int x = 0; x <= max_x; ++x) {
    for (int y = 0; y <= max_y; ++y) {
      Cell* c = grid.find(x, y);
      if (c != nullptr) {
        grid.set_tile_name(x, y, name::kLabWall);
        retile_cell(g, x, y);
        c->live = 1;
      }
      show_build_progress(g, max_x, max_y);
    }
  }
  set_view_size(g);
  draw_progress_bar(g);
}

void random_walk(Game& g, int max_x, int max_y, NameId tile, bool floor_pass) {
  WorldState& w = g.world;
  int x = 1, y = 1;
  std::int32_t direction = 0;
  bool player_placed = false;
  for (std::int64_t steps = std::int64_t(max_x) * max_y; steps > 0; --steps) {
    step_walker(g, max_x, max_y, x, y, direction);
    if (w.grid.tile_name(x, y) != name::kLabWall) continue;
    w.grid.set_tile_name(x, y, tile);
    retile_cell(g, x, y);
    if (!floor_pass) continue;
    w.remaining = media::saturating_add(w.remaining, 1);
    if (!player_placed) {
      place_player(g, x, y);
      player_placed = true;
    }
  }
  if (!floor_pass) return;
  w.remaining /= 4;
  w.time = std::min(w.remaining / 4, 60);
}

void edge_pass(Game& g) {
  if (g.config.extended_level_step != 1) return;
  WorldGrid& grid = g.world.grid;
  struct EdgeNames {
    NameId from, to;
  };
  constexpr EdgeNames kEast[] = {{name::kLabWall, name::kLabWallE},
                                 {name::kLabGreen, name::kLabGreenE},
                                 {name::kLabWater, name::kLabWaterE}};
  constexpr EdgeNames kSouth[] = {{name::kLabWall, name::kLabWallS},
                                  {name::kLabGreen, name::kLabGreenS},
                                  {name::kLabWater, name::kLabWaterS}};
  auto pass = [&](int dx, int dy, const EdgeNames(&names)[3]) {
    for (const EdgeEntry& e : g.levels.edges) {
      if (e.x - dx < 0 || e.y - dy < 0) continue;
      const NameId neighbour = grid.tile_name(e.x - dx, e.y - dy);
      if (neighbour == e.tile_name) continue;
      for (const EdgeNames& n : names)
        if (neighbour == n.from) grid.set_tile_name(e.x, e.y, n.to);
      retile_cell(g, e.x, e.y);
    }
  };
  pass(1, 0, kEast);
  pass(0, 1, kSouth);
}

}  // namespace orv
