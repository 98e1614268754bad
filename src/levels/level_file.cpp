#include "levels/level_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "catalogue/enemy_placement.h"
#include "catalogue/player_placement.h"
#include "catalogue/tile_definitions.h"
#include "catalogue/tile_placement.h"
#include "game/coordinates.h"
#include "game/errors.h"
#include "game/game.h"
#include "levels/generation.h"
#include "levels/progress_bar.h"
#include "media/numbers.h"
#include "sound/music.h"

namespace orv {
namespace {

constexpr int kHeaderLines = 5;

// Cells come column by column: rows 0..max_y of column 0, then of column 1, and so on.
struct CellCursor {
  std::int64_t x = 0;
  std::int64_t y = 0;
  void advance(std::int32_t max_y) {
    if (++y > max_y) ++x, y = 0;
  }
};

bool inside_largest_grid(const CellCursor& at) {
  return at.x < kLargestGridSize && at.y < kLargestGridSize;
}

Cell* grid_cell(WorldState& world, const CellCursor& at) {
  if (!inside_largest_grid(at)) return nullptr;
  return world.grid.find(int(at.x), int(at.y));
}

// The tile names of a level file's cells, read before the grid is sized so that a header cannot
// make the grid larger than the cells behind it. Names are kept, in file order, for the cells
// inside the largest grid; the cells beyond it are only counted.
struct DeliveredCells {
  std::vector<NameId> names;
  std::int64_t count = 0;  // every cell read, kept or not
  int columns = 0;         // the grid size that holds the kept cells
  int rows = 0;
};

DeliveredCells read_cell_names(Game& g, media::FileId f, std::int32_t max_x, std::int32_t max_y) {
  media::Files& files = g.media.files;
  DeliveredCells cells;
  CellCursor at;
  do {
    std::string tile = files.read_string(f);
    tile += files.read_string(f);
    tile += files.read_string(f);
    if (inside_largest_grid(at)) {
      cells.names.push_back(g.world.names.intern(tile));
      cells.columns = std::max(cells.columns, int(at.x) + 1);
      cells.rows = std::max(cells.rows, int(at.y) + 1);
    }
    ++cells.count;
    at.advance(max_y);
  } while (!files.eof(f) && at.x <= max_x);
  return cells;
}

int fitting_size(std::int32_t last_index) {
  return int(std::clamp<std::int64_t>(std::int64_t(last_index) + 1, 0, kLargestGridSize));
}

// An alpha file that does not open reads as endless empty lines: every cell of the level gets
// alpha 0. Only the cells inside the grid can be changed, so only those are visited.
void clear_alphas(WorldState& world, std::int32_t max_x, std::int32_t max_y) {
  WorldGrid& grid = world.grid;
  const int columns = std::min(fitting_size(std::max(max_x, 0)), grid.columns());
  const int rows = std::min(fitting_size(std::max(max_y, 0)), grid.rows());
  for (int x = 0; x < columns; ++x)
    for (int y = 0; y < rows; ++y) grid.at(x, y).alpha = 0;
}

// Counts the open cells of the level and puts the player on the first one (cell (0, 0) when
// there is none).
std::int64_t count_open_cells_and_place_player(Game& g) {
  const WorldState& w = g.world;
  std::int64_t open = 0;
  CellPosition start;
  for (int x = 0; x <= w.last_column; ++x) {
    for (int y = 0; y <= w.last_row; ++y) {
      const Cell& c = w.grid.at(x, y);
      if (c.live != 1 || c.collision != 0) continue;
      if (open++ == 0) start = {x, y};
    }
  }
  place_player(g, start.x, start.y);
  return open;
}

}  // namespace

std::string level_file_name(const Config& config) {
  return config.level_file_prefix + config.level_set_name + ".ai42";
}

void build_level_from_file(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  WorldState& w = g.world;
  w.remaining = 0;
  seed_level_random(g);
  play_music(g, "");
  clear_enemies(g, EnemyGroup::kA);
  clear_enemies(g, EnemyGroup::kB);
  reset_world(g, 0, 0);
  load_level_file(g, level_file_name(g.config));  // goodies placed on the cells raise the count
  const std::int64_t goal = (w.remaining + count_open_cells_and_place_player(g)) / 4;
  w.remaining =
      std::int32_t(std::min<std::int64_t>(goal, std::numeric_limits<std::int32_t>::max()));
  w.time = std::min(w.remaining / 4, 60);
}

void load_level_file(Game& g, const std::string& file) {
  ORV_FAULT_SITE(g, "io_control");
  TileDefinitionCacheScope cache(g);
  media::Files& files = g.media.files;
  const media::FileId f = files.read_file(file);
  if (!f) report_error(g, kErrorLevelFile);
  std::int32_t max_x = 0, max_y = 0;
  for (int line = 1; line <= kHeaderLines; ++line) {
    const std::string text = files.read_string(f);
    if (line == 2) max_x = media::val(text);
    if (line == 3) max_y = media::val(text);
  }
  // The extent is the header's, held inside the largest grid; the grid itself only grows as far
  // as the cells that the file delivers (see read_level_cells).
  g.world.last_column = std::min(max_x, kLargestGridSize - 1);
  g.world.last_row = std::min(max_y, kLargestGridSize - 1);
  read_level_cells(g, f, max_x, max_y);
  files.close_file(f);
  const media::FileId alpha =
      files.read_file(g.config.level_file_prefix + g.config.level_set_name + ".red");
  read_alpha_cells(g, alpha, max_x, max_y);
  if (alpha) files.close_file(alpha);
}

void read_level_cells(Game& g, media::FileId f, std::int32_t max_x, std::int32_t max_y) {
  const DeliveredCells cells = read_cell_names(g, f, max_x, max_y);
  g.world.grid.grow(cells.columns, cells.rows);
  CellCursor at;
  std::size_t next_name = 0;
  for (std::int64_t n = 0; n < cells.count; ++n) {
    if (inside_largest_grid(at)) {
      const NameId tile = cells.names[next_name++];
      if (Cell* c = g.world.grid.find(int(at.x), int(at.y))) {
        g.world.grid.set_tile_name(int(at.x), int(at.y), tile);
        c->live = 1;
        if (g.config.world_drawing == 1) retile_cell(g, int(at.x), int(at.y));
      }
    }
    at.advance(max_y);
    show_file_progress(g, max_x, max_y);
  }
  set_view_size(g);
  draw_progress_bar(g);
}

void read_alpha_cells(Game& g, media::FileId f, std::int32_t max_x, std::int32_t max_y) {
  if (!f) {
    clear_alphas(g.world, max_x, max_y);
  } else {
    media::Files& files = g.media.files;
    for (int line = 1; line <= kHeaderLines; ++line) files.read_string(f);
    CellCursor at;
    do {
      const std::int32_t alpha = media::val(files.read_string(f));
      if (Cell* c = grid_cell(g.world, at)) c->alpha = alpha;
      at.advance(max_y);
    } while (!files.eof(f) && at.x <= max_x);
  }
  set_view_size(g);
}

}  // namespace orv
