// A level file and its alpha file (the input cut at its first form feed) read into the grid,
// with the tile definitions read for every cell. The grid may only grow as far as the cells
// the level file holds: each cell takes at least three bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "catalogue/object_list.h"
#include "fuzz_game.h"
#include "levels/level_file.h"

namespace {

constexpr int kFreshGrid = 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.config.level_file_prefix = "levels/";
  g.config.level_set_name = "L";
  g.config.tile_definitions_path = "tiles\\";
  g.config.world_drawing = 1;
  orv::clear_placed_objects(g);
  g.world.grid.recreate(kFreshGrid, kFreshGrid);
  auto [level, alpha] = orv::fuzz::split_at_form_feed(orv::fuzz::text_of(data, size));
  const std::size_t level_size = level.size();
  g.media.files.put_memory_file("levels/L.ai42", std::move(level));
  if (!alpha.empty()) g.media.files.put_memory_file("levels/L.red", std::move(alpha));
  g.media.files.put_memory_file("tiles\\L\\123", "VALUE1\n5\nTRANSPARENCY\n-7\n");
  orv::load_level_file(g, "levels/L.ai42");
  const int most = std::max<int>(kFreshGrid, int(std::min<std::size_t>(level_size / 3 + 1, 1025)));
  orv::fuzz::check(g.world.grid.columns() <= most && g.world.grid.rows() <= most);
  orv::fuzz::check(g.world.last_column < orv::kLargestGridSize);
  orv::fuzz::check(g.world.last_row < orv::kLargestGridSize);
  return 0;
}
