#include "world/world_frame.h"

#include <gtest/gtest.h>

#include "catalogue/placement.h"
#include "frame/game.h"
#include "support/data_set.h"
#include "support/tile_rules_test.h"
#include "world/world_passes.h"

namespace orv {
namespace {

// A small level of the test data set on an open headless screen.
class WorldFrameTest : public ::testing::Test {
 protected:
  WorldFrameTest() {
    test::use_data_set(t);
    g.world.grid.recreate(kLevelGridSize, kLevelGridSize);
    g.world.view_columns = 10;
    g.world.view_rows = 8;
    g.world.last_column = 10;
    g.world.last_row = 8;
  }
  void set(int x, int y, NameId tile) {
    g.world.grid.at(x, y).tile_name = tile;
    retile_cell(g, x, y);
    g.world.grid.at(x, y).live = 1;
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(WorldFrameTest, FixingTheLastTileCompletesTheLevelInThatFrame) {
  for (auto [x, y] : {std::pair{3, 4}, {3, 5}, {4, 5}}) set(x, y, name::kLabBlueFloor);
  set(4, 4, name::kLabFloor);
  g.world.player.x = 4 * 32;
  g.world.player.y = 4 * 32;
  g.world.remaining = 1;
  g.world.score = 20;
  g.world.time = 99;
  world_frame(g);  // the player paints (4, 4)
  EXPECT_EQ(g.world.level, 1);
  world_frame(g);  // the tile pass fixes (3, 4), then (4, 4) with the fixed (3, 4)
  EXPECT_EQ(g.world.grid.at(4, 4).tile_name, name::kLabFixedFloor);
  EXPECT_EQ(g.world.remaining, 0);  // -1, clamped by the head-up display
  EXPECT_EQ(g.world.level, 2);
  EXPECT_EQ(g.world.level_start_score, 30);
  EXPECT_EQ(g.world.time, 0);
}

TEST_F(WorldFrameTest, TheAnnouncementRunsOnceAFrameForEveryFivePixelsOfWidth) {
  g.world.remaining = 5;
  g.frame.screen_width = 1024;
  g.world.level_transition_pending = 1;
  g.world.view_origin_x = -2;
  g.world.view_rows = 0;  // still one row
  world_frame(g);
  EXPECT_EQ(t.platform.frame(), 205);
  EXPECT_EQ(g.world.level_transition_pending, 0);
  EXPECT_EQ(g.world.view_origin_x, 0);  // clamped after the tile pass
  world_frame(g);
  EXPECT_EQ(t.platform.frame(), 205);
}

TEST_F(WorldFrameTest, TheHeadUpDisplayCountsUpClampsAndScrollsTheNotice) {
  g.world.score = 100;
  g.world.score_target = 103;
  g.world.remaining = -2;
  g.config.world_drawing = 0;  // the display runs on drawn frames only
  world_frame(g);
  EXPECT_EQ(g.world.score, 100);
  EXPECT_EQ(g.world.level, 2);
  g.frame.screen_width = 800;
  for (int expected : {101, 102, 103, 103}) {
    draw_hud(g);
    EXPECT_EQ(g.world.score, expected);
  }
  EXPECT_EQ(g.world.remaining, 0);
  EXPECT_EQ(g.world.notice_scroll, 8);
  for (int i = 4; i < 800; ++i) draw_hud(g);
  EXPECT_EQ(g.world.notice_scroll, 1600);
  draw_hud(g);
  EXPECT_EQ(g.world.notice_scroll, 0);
}

// Touching the objects of a cell, without drawing.
class TouchTest : public test::TileRulesTest {
 protected:
  // Puts a new placed object into slot k of cell (2, 2).
  PlacedObject& put(int k, NameId child_name) {
    Cell& c = cell(2, 2);
    c.child_names[std::size_t(k)] = child_name;
    c.child_objects[std::size_t(k)] = std::int32_t(g.world.objects.size());
    c.last_placed_slot = std::int8_t(k);
    c.contact = 1;
    PlacedObject& o = g.world.objects.emplace_back();
    o.contact = 1;
    o.consumed_on_contact = 1;
    return o;
  }
};

TEST_F(TouchTest, ABombIsLeftLyingWhileTheStockIsFull) {
  put(0, name::kBomb).points = 50;
  g.world.bomb_stock = "&&&";
  touch_cell_objects(g, 2, 2);
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.bomb_stock, "&&&");
  EXPECT_EQ(cell(2, 2).child_objects[0], 0);
  EXPECT_EQ(g.world.score, 100);  // scored on every touch
  g.world.bomb_stock = "&&";
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.bomb_stock, "&&&");
  EXPECT_EQ(cell(2, 2).child_objects[0], -1);
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.score, 150);
}

TEST_F(TouchTest, CountedPointsGoToTheTargetAndTimeComesOnEveryTouch) {
  PlacedObject& coin = put(0, g.world.names.intern("COIN"));
  coin.points = 100;
  coin.count_up = 1;
  PlacedObject& clock = put(1, g.world.names.intern("CLOCK"));
  clock.consumed_on_contact = 0;
  clock.extra_time = 3;
  g.world.score = 500;
  touch_cell_objects(g, 2, 2);
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.score, 500);
  EXPECT_EQ(g.world.score_target, 100);
  EXPECT_EQ(g.world.time, 6);
  // A stale position in a slot is passed over.
  cell(2, 2).child_objects[1] = 99;
  touch_cell_objects(g, 2, 2);
  EXPECT_EQ(g.world.time, 6);
}

}  // namespace
}  // namespace orv
