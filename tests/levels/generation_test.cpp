#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "game/errors.h"
#include "levels/level_fixture.h"
#include "support/level_dump.h"

namespace orv {
namespace {

using Generation = test::LevelTest;

// Level 0 and below build level 0.
TEST_F(Generation, LevelsBelowZeroBuildLevelZero) {
  build(0);
  const std::string zero = test::dump_level(g);
  build(-4);
  EXPECT_EQ(std::tuple(g.world.level, test::dump_level(g)), std::tuple(0, zero));
}

// maxX = random(baseW / 2) + baseW / 2 + level; above MAPSIZE or below 1 it becomes MAPSIZE.
// The progress bar of a level without columns to count must not divide by zero.
TEST_F(Generation, SizeIsBaseHalfPlusRandomPlusLevelWithinMapSize) {
  struct Case {
    int base, map_size, level, expected;
  };
  for (const Case& c : {Case{1, 64, 1, 1}, Case{1, 64, 0, 64}, Case{100, 10, 1, 10},
                        Case{-9, 7, 2, 7}, Case{0, 0, 5, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.base << " " << c.map_size << " " << c.level);
    g.levels.base_w = g.levels.base_h = c.base, g.config.max_x = g.config.max_y = c.map_size;
    build(c.level);
    EXPECT_EQ(std::tuple(g.world.last_column, g.world.last_row),
              std::tuple(c.expected, c.expected));
    EXPECT_TRUE(std::isfinite(g.levels.bar_length));
  }
}

// The walker keeps off column 0 and the last two columns and rows: with maxX = 3 only column 1
// is carved, with maxY = 3 as well only the player's start (1, 1).
TEST_F(Generation, AWalkerInThreeColumnsOnlyCarvesColumnOne) {
  for (int max_y : {10, 3}) {
    reset_world(g, 3, max_y);
    fill_walls(g, 3, max_y);
    random_walk(g, 3, max_y, name::kLabFloor, true);
    for (int x = 0; x <= 3; ++x)
      for (int y = 0; y <= max_y; ++y) {
        EXPECT_EQ(g.world.grid.at(x, y).live, 1);
        if (x == 1 && y >= 1 && y < max_y - 1 && (max_y > 3 || y == 1)) continue;
        EXPECT_EQ(tile(x, y), "LAB_WALL") << x << "," << y << " of " << max_y;
      }
    EXPECT_EQ(tile(1, 1), "LAB_FLOOR");
  }
  EXPECT_EQ(std::tuple(g.world.player.x, g.world.player.y), std::tuple(32.0f, 32.0f));
}

// The floor pass quarters converted cells plus every goody so far (time: a quarter of that,
// at most 60); goodies of the green walk are added afterwards, undivided.
TEST_F(Generation, RemainingIsAQuarterOfFloorWithGoodiesPlusGreenGoodies) {
  rewrite("DATA/OBJECTS/coin.dll", {"DGFXNAME", "COIN", "DDENSITY", "0", "DISGOODY", "1"});
  rewrite("DATA/RGB/LAB/LAB_FLOOR", {"GFXNAME", "floor.png", "CHILD1", "COIN"});
  rewrite("DATA/RGB/LAB/LAB_GREEN", {"GFXNAME", "green.png", "CHILD1", "COIN"});
  const auto count = [this](const char* name) {
    int n = 0;
    for (int x = 0; x <= g.world.last_column; ++x)
      for (int y = 0; y <= g.world.last_row; ++y) n += tile(x, y) == name;
    return n;
  };
  for (bool wall_coins : {false, true}) {
    if (wall_coins) rewrite("DATA/RGB/LAB/LAB_WALL", {"GFXNAME", "wall.png", "CHILD1", "COIN"});
    for (int base : {24, 200}) {
      SCOPED_TRACE(::testing::Message() << wall_coins << " " << base);
      g.levels.base_w = g.levels.base_h = base;
      build(1);
      const int cells = (g.world.last_column + 1) * (g.world.last_row + 1);
      const int after_floor = ((wall_coins ? cells : 0) + 2 * count("LAB_FLOOR")) / 4;
      EXPECT_EQ(g.world.remaining, after_floor + count("LAB_GREEN"));
      EXPECT_EQ(g.world.time, base == 200 ? 60 : after_floor / 4);
    }
  }
}

// Read from the definition files: DDENSITY -1 never places the coin or clock, 0 always the bomb.
TEST_F(Generation, DensityMinusOneNeverPlacesWhereZeroAlwaysDoes) {
  rewrite("DATA/OBJECTS/coin.dll", {"DGFXNAME", "COIN", "DDENSITY", "-1"});
  rewrite("DATA/OBJECTS/bomb.dll", {"DGFXNAME", "BOMB", "DDENSITY", "0"});
  rewrite("DATA/OBJECTS/clock.dll", {"DGFXNAME", "CLOCK", "DDENSITY", "-1"});
  build(1);
  for (int x = 0; x <= g.world.last_column; ++x)
    for (int y = 0; y <= g.world.last_row; ++y) {
      const Cell& c = g.world.grid.at(x, y);
      const bool floor = g.world.grid.tile_name(x, y) == name::kLabFloor;
      EXPECT_EQ(std::tuple(c.child_objects[0], c.child_objects[1] >= 0, c.last_placed_slot),
                std::tuple(-1, floor, floor ? 1 : -1));
    }
}

TEST_F(Generation, AMissingBaseFileEndsTheProgram) {
  g.world.level = 1;
  g.config.level_base_file = t.dir.path() + "DATA\\none.txt";
  EXPECT_THROW(build_level_from_base(g, g.config.level_base_file), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " Could not open:" + t.dir.path() + "DATA/none.txt");
  EXPECT_FALSE(g.catalogue.tile_cache.active);
}

TEST_F(Generation, ALevelBeyond256GrowsTheGridOnlyWhileItLasts) {
  g.levels.base_w = g.levels.base_h = 1000, g.config.max_x = g.config.max_y = 300;
  build(1);
  EXPECT_EQ(std::tuple(g.world.last_column, g.world.grid.columns(), g.world.grid.rows()),
            std::tuple(300, 301, 301));
  EXPECT_EQ(tile(300, 300), "LAB_WALL");
  g.levels.base_w = g.levels.base_h = 24;
  build(2);
  EXPECT_EQ(g.world.grid.columns(), kLevelGridSize);
}

}  // namespace
}  // namespace orv
