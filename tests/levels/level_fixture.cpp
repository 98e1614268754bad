#include "levels/level_fixture.h"

#include "catalogue/object_kinds.h"
#include "frame/game.h"
#include "levels/generation.h"
#include "screens/assets.h"
#include "support/data_set.h"
#include "support/world_test.h"
#include "world/life.h"

namespace orv::test {

LevelTest::LevelTest() {
  use_data_set(t);
  create_world_collections(g);
  scan_tile_graphics(g);
  load_object_kinds(g);
  scan_music(g);
  g.levels.base_w = 24;
  g.levels.base_h = 16;
}

void LevelTest::rewrite(const std::string& relative, std::initializer_list<std::string> l) {
  t.dir.write(relative, lines(l));
}

const std::string& LevelTest::tile(int x, int y) {
  return g.world.names.text(g.world.grid.at(x, y).tile_name);
}

void LevelTest::build(int level) {
  g.world.level = level;
  build_generated_level(g);
}

}  // namespace orv::test
