#include "world/world_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "catalogue/tile_placement.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/tile_rules_fixture.h"
#include "world/placed_objects.h"
#include "world/view_walk.h"

namespace orv {
namespace {

// A small level of the test data set on an open headless screen.
class WorldFrameTest : public ::testing::Test {
 protected:
  WorldFrameTest() {
    test::use_data_set(t);
    g.world.grid.recreate(kLevelGridSize, kLevelGridSize);
    g.world.view_columns = 10, g.world.view_rows = 8, g.world.last_column = 10;
    g.world.last_row = 8;
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(WorldFrameTest, TheAnnouncementRunsOnceAFrameForEveryFivePixelsOfWidth) {
  g.world.remaining = 5, g.frame.screen_width = 1024, g.world.level_transition_pending = true;
  world_frame(g);
  EXPECT_EQ(std::tuple(t.platform.frame(), g.world.level_transition_pending), std::tuple(205, 0));
  world_frame(g);
  EXPECT_EQ(t.platform.frame(), 205);
}

TEST_F(WorldFrameTest, EachDrawnFrameCountsTheShownScoreUpOnePoint) {
  g.world.score = 100, g.world.score_target = 103, g.world.remaining = -2;
  g.frame.screen_width = 800;
  for (int expected : {101, 102, 103, 103}) {
    draw_world(g);
    EXPECT_EQ(g.world.score, expected);
  }
  EXPECT_EQ(g.world.remaining, 0);
}

// A view of 5000 x 5000 cells (a tile size far below a pixel) is cut to the grid: a frame
// never walks more cells than the grid holds, and an empty grid gives the one cell every walk
// starts with.
TEST_F(WorldFrameTest, TheViewWalkNeverWalksMoreCellsThanTheGridHolds) {
  g.world.view_columns = g.world.view_rows = 5000;
  for (int side : {kLevelGridSize, 0}) {
    g.world.grid.recreate(side, side);
    long cells = 0;
    walk_view(g.world, [&](int, int, int, int) { ++cells; });
    EXPECT_EQ(cells, std::max(1L, long(side) * side));
  }
}

using TouchTest = test::TileRulesTest;

// A bomb lying in cell (2, 2) scores on every touch but is taken only while the stock has room.
TEST_F(TouchTest, ABombIsLeftLyingWhileTheStockIsFull) {
  Cell& c = cell(2, 2);
  c.child_names[0] = name::kBomb, c.child_objects[0] = 0;
  c.last_placed_slot = 0, c.contact = 1;
  PlacedObject& o = g.world.objects.emplace_back();
  o.contact = 1, o.consumed_on_contact = 1, o.points = 50;
  g.world.bombs = 3;
  touch_cell_objects(g, 2, 2);
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(std::tuple(g.world.bombs, c.child_objects[0], g.world.score), std::tuple(3, 0, 100));
  g.world.bombs = 2;
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(std::tuple(g.world.bombs, c.child_objects[0]), std::tuple(3, -1));
  c.child_objects[0] = 99;  // a stale position in a slot is passed over
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.score, 150);
}

}  // namespace
}  // namespace orv
