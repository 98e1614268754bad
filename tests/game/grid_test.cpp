#include <gtest/gtest.h>

#include <tuple>

#include "frame/world_collections.h"
#include "game/coordinates.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/names.h"
#include "support/test_game.h"

namespace orv {
namespace {

TEST(NameTable, EqualIdsMeanEqualBytes) {
  NameTable names;
  EXPECT_EQ(names.intern("LAB_FLOOR"), name::kLabFloor);
  EXPECT_NE(names.intern("LAB_FLOOR "), name::kLabFloor);
  EXPECT_EQ(names.text(9999999), "");
}

TEST(WorldGrid, Holds513FreshCellsASideWithEmptyOutside) {
  test::TestGame t;
  create_world_collections(t.game);
  WorldGrid& grid = t.game.world.grid;
  ASSERT_EQ(grid.columns(), 513);
  ASSERT_EQ(grid.rows(), 513);
  grid.at(512, 512).collision = 2;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {513, 5}, {5, 513}, {-100000, 100000}}) {
    Cell& outside = grid.at(x, y);
    EXPECT_EQ(outside.collision, 0);
    outside.collision = 2;  // a write outside reaches no cell
    EXPECT_EQ(std::tuple(grid.at(x, y).collision, grid.find(x, y)), std::tuple(0, nullptr));
  }
  EXPECT_EQ(grid.at(512, 512).collision, 2);
}

// Grow keeps every cell up to the largest size; tile names live beside the cells: they follow
// the cells through grow, a recreate of the same size refreshes both in place, and outside the
// array a name reads empty and cannot be set.
TEST(WorldGrid, CellsKeepTheirTileNamesThroughGrowNotRecreate) {
  WorldGrid grid;
  grid.recreate(257, 257);
  grid.set_tile_name(256, 10, name::kLabWall);
  grid.set_tile_name(3, 256, name::kLabFloor);
  grid.set_tile_name(257, 10, name::kLabFloor);
  grid.set_tile_name(-1, 0, name::kLabFloor);
  EXPECT_EQ(grid.tile_name(257, 10), name::kEmpty);
  EXPECT_EQ(grid.tile_name(-1, 0), name::kEmpty);
  grid.at(256, 10).value = 7;
  grid.grow(300, 1500);
  EXPECT_EQ(std::tuple(grid.columns(), grid.rows()), std::tuple(300, kLargestGridSize));
  EXPECT_EQ(std::tuple(grid.tile_name(256, 10), grid.tile_name(3, 256), grid.at(256, 10).value),
            std::tuple(name::kLabWall, name::kLabFloor, 7));
  EXPECT_EQ(grid.tile_name(257, 10), name::kEmpty);  // a grown cell is fresh
  EXPECT_EQ(grid.tile_name(3, 257), name::kEmpty);
  grid.at(299, 1024).child_objects[2] = 5;
  grid.recreate(300, 1500);  // the same size: refreshed in place
  EXPECT_EQ(std::tuple(grid.tile_name(256, 10), grid.at(256, 10).value,
                       grid.at(299, 1024).child_objects[2]),
            std::tuple(name::kEmpty, 0, -1));
  grid.set_tile_name(299, 1024, name::kLabWall);
  grid.recreate(20, 30);
  EXPECT_EQ(grid.tile_name(19, 29), name::kEmpty);
  EXPECT_LT(grid.bytes(), 20 * 30 * (sizeof(Cell) + sizeof(NameId)) + 1);
}

TEST(WorldGrid, ACellStaysSmall) {
  EXPECT_LE(sizeof(Cell), 104u);  // 1025 x 1025 cells: about 109 MB, and 4 MB of tile names
}

TEST(Coordinates, WorldPixelsRoundHalvesToEven) {
  test::TestGame t;
  t.game.config.tile_width = t.game.config.tile_height = 32.0f;
  EXPECT_EQ(cell_under_world_pixel(t.game.config, 112, 160), (CellPosition{4, 5}));  // 3.5 -> 4
  EXPECT_EQ(cell_under_world_pixel(t.game.config, 80, 144),
            (CellPosition{2, 4}));  // 2.5 -> 2, 4.5 -> 4
  EXPECT_EQ(cell_under_world_pixel(t.game.config, -16, -48), (CellPosition{0, -2}));  // -0.5, -1.5
}

TEST(Coordinates, ThePlayerCountsWholeTilesFromTheViewOrigin) {
  test::TestGame t;
  t.game.config.tile_width = t.game.config.tile_height = 32.0f;
  WorldState& w = t.game.world;
  w.view_origin_x = 10, w.view_origin_y = 4;
  w.player.x = 63.9f, w.player.y = 64.0f;
  EXPECT_EQ(cell_under_player(t.game), (CellPosition{11, 6}));
}

}  // namespace
}  // namespace orv
