// A game on the test data set with its catalogues loaded, ready to build levels.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "catalogue/object_kinds.h"
#include "frame/world_collections.h"
#include "game/game.h"
#include "levels/generation.h"
#include "screens/folder_scans.h"
#include "support/data_set.h"
#include "support/test_game.h"
#include "support/world_fixture.h"

namespace orv::test {

class LevelTest : public ::testing::Test {
 protected:
  LevelTest() {
    use_data_set(t);
    create_world_collections(g);
    scan_tile_graphics(g);
    load_object_kinds(g);
    scan_music(g);
    g.levels.base_w = 24, g.levels.base_h = 16;
  }
  // Rewrites a file of the data set copy, e.g. "DATA/RGB/LAB/LAB_WALL".
  void rewrite(const std::string& relative, std::initializer_list<std::string> l) {
    t.dir.write(relative, lines(l));
  }
  const std::string& tile(int x, int y) { return g.world.names.text(g.world.grid.tile_name(x, y)); }
  // Builds the labyrinth of a level number as the main loop does.
  void build(int level) {
    g.world.level = level;
    build_generated_level(g);
  }

  TestGame t;
  Game& g = t.game;
};

}  // namespace orv::test
