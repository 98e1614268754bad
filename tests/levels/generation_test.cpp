#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/object_kinds.h"
#include "frame/errors.h"
#include "frame/game.h"
#include "levels/generation.h"
#include "levels/level_fixture.h"
#include "support/level_dump.h"

namespace orv {
namespace {

using Generation = test::LevelTest;

TEST_F(Generation, TheSameSeedAndLevelGiveTheSameWorld) {
  build(3);
  const std::string first = test::dump_world(g);
  EXPECT_GT(g.world.objects.size(), 0u);
  EXPECT_GT(g.world.enemies_a.size() + g.world.enemies_b.size(), 0u);
  build(4);
  EXPECT_NE(test::dump_world(g), first);
  build(3);
  EXPECT_EQ(test::dump_world(g), first);
  g.config.world_random = 6;
  build(3);
  EXPECT_NE(test::dump_world(g), first);
}

TEST_F(Generation, LevelZeroAndNegativeLevelsAreLevelZero) {
  build(0);
  const std::string zero = test::dump_world(g);
  build(-4);
  EXPECT_EQ(g.world.level, 0);
  EXPECT_EQ(test::dump_world(g), zero);
}

struct SizeCase {
  int base_w, base_h, map_size, level;
  int expected_x, expected_y;
};

class GenerationSize : public test::LevelTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(GenerationSize, SizeIsBaseHalfPlusRandomPlusLevelWithinMapSize) {
  const SizeCase& c = GetParam();
  g.levels.base_w = c.base_w;
  g.levels.base_h = c.base_h;
  g.config.max_x = g.config.max_y = c.map_size;
  build(c.level);
  EXPECT_EQ(g.world.last_column, c.expected_x);
  EXPECT_EQ(g.world.last_row, c.expected_y);
}

INSTANTIATE_TEST_SUITE_P(Cases, GenerationSize,
                         ::testing::Values(SizeCase{1, 1, 64, 1, 1, 1},        // random(0) + 0 + 1
                                           SizeCase{1, 1, 64, 0, 64, 64},      // 0 is below 1
                                           SizeCase{100, 100, 10, 1, 10, 10},  // cut to MAPSIZE
                                           SizeCase{-9, -9, 7, 2, 7, 7},
                                           SizeCase{0, 0, 0, 5, 0, 0}));

TEST_F(Generation, TheBorderBandStaysWallAndThePlayerStartsOnFloor) {
  build(2);
  const int mx = g.world.last_column, my = g.world.last_row;
  for (int x = 0; x <= mx; ++x) {
    for (int y = 0; y <= my; ++y) {
      EXPECT_EQ(g.world.grid.at(x, y).live, 1);
      const bool band = x == 0 || y == 0 || x >= mx - 1 || y >= my - 1;
      if (band) {
        EXPECT_EQ(tile(x, y), "LAB_WALL") << x << "," << y;
      }
    }
  }
  EXPECT_EQ(g.world.player.direction, kDirectionStill);
  const int px = int(g.world.player.x / 32), py = int(g.world.player.y / 32);
  EXPECT_EQ(tile(px, py), "LAB_FLOOR");
  EXPECT_EQ(g.world.view_columns, 20.0f);  // 640 / 32
  EXPECT_EQ(g.world.view_rows, 15.0f);
}

TEST_F(Generation, AWalkerInThreeColumnsOnlyCarvesColumnOne) {
  reset_world(g, 3, 10);
  fill_walls(g, 3, 10);
  random_walk(g, 3, 10, name::kLabFloor, true);
  for (int y = 0; y <= 10; ++y) {
    EXPECT_EQ(tile(0, y), "LAB_WALL");
    EXPECT_EQ(tile(2, y), "LAB_WALL");
  }
  EXPECT_EQ(tile(1, 1), "LAB_FLOOR");
  reset_world(g, 3, 3);
  fill_walls(g, 3, 3);
  random_walk(g, 3, 3, name::kLabFloor, true);
  for (int x = 0; x <= 3; ++x)
    for (int y = 0; y <= 3; ++y)
      EXPECT_EQ(tile(x, y), x == 1 && y == 1 ? "LAB_FLOOR" : "LAB_WALL") << x << "," << y;
  EXPECT_EQ(g.world.player.x, 32.0f);
  EXPECT_EQ(g.world.player.y, 32.0f);
}

// Every floor and green cell gets one goody coin; walls get one too when wall_coins is set.
class GoalCount : public test::LevelTest, public ::testing::WithParamInterface<bool> {
 protected:
  GoalCount() {
    rewrite("DATA/OBJECTS/coin.dll", {"DGFXNAME", "COIN", "DDENSITY", "0", "DISGOODY", "1"});
    rewrite("DATA/RGB/LAB/LAB_FLOOR", {"GFXNAME", "floor.png", "CHILD1", "COIN"});
    rewrite("DATA/RGB/LAB/LAB_GREEN", {"GFXNAME", "green.png", "CHILD1", "COIN"});
    if (GetParam()) rewrite("DATA/RGB/LAB/LAB_WALL", {"GFXNAME", "wall.png", "CHILD1", "COIN"});
  }
  int count(const char* name) {
    int n = 0;
    for (int x = 0; x <= g.world.last_column; ++x)
      for (int y = 0; y <= g.world.last_row; ++y) n += tile(x, y) == name;
    return n;
  }
};

TEST_P(GoalCount, FloorCellsAndGoodiesAreQuarteredAndGreenGoodiesAdded) {
  for (int base : {24, 200}) {
    g.levels.base_w = g.levels.base_h = base;
    build(1);
    const int cells = (g.world.last_column + 1) * (g.world.last_row + 1);
    const int floor = count("LAB_FLOOR"), green = count("LAB_GREEN");
    const int walls_coins = GetParam() ? cells : 0;
    // Floor pass: converted cells and every goody so far, quartered; green goodies after it.
    const int after_floor = (walls_coins + 2 * floor) / 4;
    EXPECT_EQ(g.world.remaining, after_floor + green) << base;
    EXPECT_EQ(g.world.time, std::min(after_floor / 4, 60)) << base;
    if (base == 200) {
      EXPECT_EQ(g.world.time, 60);  // a big level is cut to 60 units
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WallCoins, GoalCount, ::testing::Bool());

TEST_F(Generation, DensityMinusOneNeverPlacesAndZeroAlwaysDoes) {
  rewrite("DATA/OBJECTS/coin.dll", {"DGFXNAME", "COIN", "DDENSITY", "-1"});
  rewrite("DATA/OBJECTS/bomb.dll", {"DGFXNAME", "BOMB", "DDENSITY", "0"});
  rewrite("DATA/OBJECTS/clock.dll", {"DGFXNAME", "CLOCK", "DDENSITY", "-1"});
  rewrite("DATA/OBJECTS/hunter.dll", {"DGFXNAME", "#", "DISENEMY", "1", "DDENSITY", "-1"});
  rewrite("DATA/OBJECTS/wiper.dll", {"DGFXNAME", "#", "DISENEMY", "2", "DDENSITY", "-1"});
  build(1);
  EXPECT_TRUE(g.world.enemies_a.empty());
  EXPECT_TRUE(g.world.enemies_b.empty());
  for (int x = 0; x <= g.world.last_column; ++x) {
    for (int y = 0; y <= g.world.last_row; ++y) {
      const Cell& c = g.world.grid.at(x, y);
      EXPECT_EQ(c.child_objects[0], -1);
      if (c.tile_name == name::kLabFloor) {
        EXPECT_EQ(c.last_placed_slot, 1);  // the bomb in slot 2
        EXPECT_GE(c.child_objects[1], 0);
      }
    }
  }
}

TEST_F(Generation, ABuildStartsRandomMusicAndCountsAsBuilt) {
  g.frame.built_level = 0;
  build(2);
  EXPECT_EQ(g.frame.built_level, 2);
  ASSERT_EQ(t.platform.sound_starts().size(), 1u);
  EXPECT_TRUE(t.platform.sound_starts()[0].loop);
}

TEST_F(Generation, TheProgressBarIsShownEveryTwoColumnsAndNeverDividesByZero) {
  const std::int64_t frames = g.media.gfx.frames_shown();
  g.levels.build_counter = 0;
  reset_world(g, 4, 4);
  fill_walls(g, 4, 4);  // 25 cells: shown after the 9th and the 18th
  EXPECT_EQ(g.media.gfx.frames_shown() - frames, 2);
  EXPECT_EQ(g.levels.build_counter, 7);
  // 1 + 25 steps of 640 / 16 pixels: the bar is past the screen's width.
  EXPECT_FLOAT_EQ(g.levels.bar_length, 1.0f + 25 * 40.0f);
  const media::Image& screen = g.media.gfx.back_buffer();
  EXPECT_EQ(screen.at(639, 408) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(screen.at(10, 416) & 0xFFFFFFu, 0u);  // the black ninth row

  g.levels.bar_length = 1.0f;
  reset_world(g, 0, 7);
  fill_walls(g, 0, 7);
  EXPECT_EQ(g.levels.bar_length, 1.0f);
  EXPECT_TRUE(std::isfinite(g.levels.bar_length));
}

TEST_F(Generation, ACloseRequestDuringABuildEndsTheProgramCleanly) {
  build(2);
  EXPECT_EQ(g.frame.built_level, 2);
  g.media.gfx.on_close_request([this] { end_program(g); });  // as start-up does
  t.platform.request_close();
  g.config.multicore = 0;
  EXPECT_THROW(build(3), ProgramEnd);
  EXPECT_EQ(g.frame.built_level, 2);
  EXPECT_FALSE(g.catalogue.tile_cache.active);
}

TEST_F(Generation, AMissingBaseFileEndsTheProgramWithItsMessage) {
  g.config.self_create_base = t.dir.path() + "DATA\\none.txt";
  EXPECT_THROW(build_level_from_base(g, g.config.self_create_base), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " Could not open:" + g.config.self_create_base);
  EXPECT_FALSE(g.catalogue.tile_cache.active);
}

TEST_F(Generation, TheBaseFileGivesTheBaseSizeAndTheFirstLevel) {
  g.world.level = 1;
  build_level_from_base(g, g.config.self_create_base);
  EXPECT_EQ(g.levels.base_w, 24);
  EXPECT_EQ(g.levels.base_h, 16);
  EXPECT_LE(g.world.last_column, 24);
  EXPECT_LE(g.world.last_row, 16);
  EXPECT_NE(g.world.player.sprite3d, 0);
  EXPECT_EQ(g.frame.built_level, 1);
  const std::string first = test::dump_world(g);
  build_level_from_base(g, g.config.self_create_base);
  EXPECT_EQ(test::dump_world(g), first);
}

TEST_F(Generation, ALevelBeyond256GrowsTheGrid) {
  g.levels.base_w = g.levels.base_h = 1000;
  g.config.max_x = g.config.max_y = 300;
  build(1);
  EXPECT_EQ(g.world.last_column, 300);
  EXPECT_EQ(g.world.grid.columns(), 301);
  EXPECT_EQ(g.world.grid.rows(), 301);
  EXPECT_EQ(tile(300, 300), "LAB_WALL");
  EXPECT_EQ(g.world.grid.at(300, 300).live, 1);
  EXPECT_NE(g.world.grid.at(300, 300).sprite, 0);
  // The next, smaller level gives the memory back.
  g.levels.base_w = g.levels.base_h = 24;
  build(2);
  EXPECT_EQ(g.world.grid.columns(), kLevelGridSize);
}

TEST_F(Generation, TheEdgePassNamesEdgeTilesFromTheEdgeList) {
  g.config.use_extended_topo = 1;
  reset_world(g, 6, 6);
  fill_walls(g, 6, 6);
  g.world.grid.at(2, 2).tile_name = name::kLabFloor;
  g.world.grid.at(3, 3).tile_name = name::kLabFloor;
  g.levels.edges = {{3, 2, name::kLabFloor}, {3, 3, name::kLabFloor}, {0, 0, name::kLabWall}};
  edge_pass(g);
  EXPECT_EQ(tile(3, 2), "LAB_WALL_S");  // left of it is floor: no east edge; above is wall
  EXPECT_EQ(tile(3, 3), "LAB_WALL_E");  // left is wall; above is LAB_WALL_S, no edge
  EXPECT_EQ(tile(0, 0), "LAB_WALL");
  EXPECT_EQ(g.world.grid.at(3, 3).direction, kDirectionRight);  // LAB_WALL_E was read
}

}  // namespace
}  // namespace orv
