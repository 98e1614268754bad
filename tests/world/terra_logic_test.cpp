#include "world/terra_logic.h"

#include <gtest/gtest.h>

#include "frame/errors.h"
#include "frame/game.h"
#include "support/tile_rules_test.h"

namespace orv {
namespace {

using test::TileRulesTest;
using PatternTest = TileRulesTest;

TEST_F(PatternTest, SquareToTheLowerLeftFixesTheCellAndScoresTheFixedValue) {
  paint({{3, 4}, {3, 5}, {4, 5}}, "LAB_BLUE_FLOOR");
  paint({{4, 4}}, "LAB_BLUE_FLOOR");
  g.world.remaining = 10;
  fix_blue_patterns(g, 4, 4);
  EXPECT_EQ(tile(4, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(g.world.score, kFixedValue);
  EXPECT_EQ(g.world.remaining, 9);
  // A neighbour tested afterwards sees the fixed cell as blue.
  fix_blue_patterns(g, 3, 4);
  EXPECT_EQ(tile(3, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(g.world.remaining, 8);
}

TEST_F(PatternTest, RowAboveFixesTheCellButAnIncompleteRowDoesNot) {
  paint({{5, 5}, {5, 4}, {6, 4}, {4, 4}}, "LAB_BLUE_FLOOR");
  fix_blue_patterns(g, 5, 5);
  EXPECT_EQ(tile(5, 5), "LAB_FIXED_FLOOR");

  paint({{10, 10}, {10, 9}, {11, 9}}, "LAB_BLUE_FLOOR");
  paint({{9, 9}}, "LAB_PINK_FLOOR");
  fix_blue_patterns(g, 10, 10);
  EXPECT_EQ(tile(10, 10), "LAB_BLUE_FLOOR");
  EXPECT_EQ(g.world.score, kFixedValue);
}

TEST_F(PatternTest, CellsOfColumnAndRowZeroAreTestedOneFurtherIn) {
  paint({{0, 3}, {1, 3}, {1, 4}, {2, 3}, {2, 4}}, "LAB_BLUE_FLOOR");
  fix_blue_patterns(g, 0, 3);
  EXPECT_EQ(tile(0, 3), "LAB_BLUE_FLOOR");
  EXPECT_EQ(tile(1, 3), "LAB_FIXED_FLOOR");

  paint({{3, 0}, {3, 1}, {4, 1}, {3, 2}, {4, 2}}, "LAB_BLUE_FLOOR");
  fix_blue_patterns(g, 3, 0);
  EXPECT_EQ(tile(3, 0), "LAB_BLUE_FLOOR");
  EXPECT_EQ(tile(3, 1), "LAB_FIXED_FLOOR");
}

TEST_F(PatternTest, AFixedCellInACompletePatternEndsTheTestWithoutScoring) {
  paint({{3, 4}, {3, 5}, {4, 5}, {5, 4}, {5, 5}}, "LAB_BLUE_FLOOR");
  paint({{4, 4}}, "LAB_FIXED_FLOOR");
  g.world.remaining = 3;
  fix_blue_patterns(g, 4, 4);
  EXPECT_EQ(g.world.score, 0);
  EXPECT_EQ(g.world.remaining, 3);
}

TEST_F(PatternTest, PinkPatternsFixPinkWithoutTouchingTheCounters) {
  paint({{3, 4}, {3, 5}, {4, 5}}, "LAB_FIXED_PINK_FLOOR");
  paint({{4, 4}}, "LAB_PINK_FLOOR");
  g.world.remaining = 4;
  fix_blue_patterns(g, 4, 4);
  EXPECT_EQ(tile(4, 4), "LAB_PINK_FLOOR");
  fix_pink_patterns(g, 4, 4);
  EXPECT_EQ(tile(4, 4), "LAB_FIXED_PINK_FLOOR");
  EXPECT_EQ(g.world.score, 0);
  EXPECT_EQ(g.world.remaining, 4);
}

using PaintTest = TileRulesTest;

TEST_F(PaintTest, PlayerPaintsFloorGreenAndPinkBlueAndNothingElse) {
  paint({{1, 1}}, "LAB_FLOOR");
  paint({{2, 1}}, "LAB_GREEN");
  paint({{3, 1}}, "LAB_PINK_FLOOR");
  paint({{4, 1}}, "LAB_FIXED_PINK_FLOOR");
  for (int x = 1; x <= 4; ++x) paint_by_player(g, x, 1);
  EXPECT_EQ(tile(1, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(tile(2, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(tile(3, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(tile(4, 1), "LAB_FIXED_PINK_FLOOR");
  EXPECT_EQ(cell(1, 1).collision, 0);
}

class HardcoreTest : public TileRulesTest {
 protected:
  HardcoreTest() {
    g.config.game_mode = "HARDCORE";
    // The way back to the title ends the program when a quit was asked for: a trap shows as
    // the end of the program.
    g.frame.quit_requested = 1;
    paint({{10, 10}}, "LAB_FLOOR");
    paint({{11, 10}, {10, 11}}, "LAB_BLUE_FLOOR");
    paint({{10, 9}}, "LAB_WALL");
  }
};

TEST_F(HardcoreTest, PaintedFloorBlocksAndAPlayerBoxedInIsTrapped) {
  paint({{9, 10}}, "LAB_WALL");
  EXPECT_THROW(paint_by_player(g, 10, 10), ProgramEnd);
  EXPECT_EQ(cell(10, 10).collision, 1);
}

TEST_F(HardcoreTest, AFixedNeighbourIsAWayOut) {
  paint({{9, 10}}, "LAB_FIXED_FLOOR");
  EXPECT_NO_THROW(paint_by_player(g, 10, 10));
  EXPECT_EQ(tile(10, 10), "LAB_BLUE_FLOOR");
  EXPECT_EQ(cell(10, 10).collision, 1);
}

TEST_F(HardcoreTest, RepaintingPinkNeitherBlocksNorTraps) {
  paint({{9, 10}}, "LAB_WALL");
  paint({{10, 10}}, "LAB_PINK_FLOOR");
  EXPECT_NO_THROW(paint_by_player(g, 10, 10));
  EXPECT_EQ(tile(10, 10), "LAB_BLUE_FLOOR");
  EXPECT_EQ(cell(10, 10).collision, 0);
}

TEST_F(HardcoreTest, TheGridEdgeCountsAsOpen) {
  paint({{0, 0}}, "LAB_FLOOR");
  paint({{1, 0}, {0, 1}}, "LAB_BLUE_FLOOR");
  EXPECT_NO_THROW(paint_by_player(g, 0, 0));
}

using EnemyEffectTest = TileRulesTest;

TEST_F(EnemyEffectTest, GroupAPaintsFloorAndBluePinkButLeavesFixedTiles) {
  paint({{1, 1}}, "LAB_FLOOR");
  paint({{2, 1}}, "LAB_BLUE_FLOOR");
  paint({{3, 1}}, "LAB_FIXED_FLOOR");
  for (int x = 1; x <= 3; ++x) paint_pink(g, x * 32, 32);
  EXPECT_EQ(tile(1, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(tile(2, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(tile(3, 1), "LAB_FIXED_FLOOR");
  paint_pink(g, -32, -32);  // outside the grid: nothing
}

TEST_F(EnemyEffectTest, GroupBWipesFixedBlueEvenWhenTheScoreGoesNegative) {
  paint({{2, 2}}, "LAB_FIXED_FLOOR");
  paint({{3, 2}}, "LAB_FIXED_PINK_FLOOR");
  paint({{4, 2}}, "LAB_BLUE_FLOOR");
  g.world.remaining = 0;
  erase_paint(g, 2 * 32 + 15, 2 * 32);  // still on column 2
  EXPECT_EQ(tile(2, 2), "LAB_FLOOR");
  EXPECT_EQ(g.world.remaining, 1);
  EXPECT_EQ(g.world.score, -kFloorValue);
  erase_paint(g, 3 * 32, 2 * 32);
  erase_paint(g, 4 * 32, 2 * 32);
  EXPECT_EQ(tile(3, 2), "LAB_FLOOR");
  EXPECT_EQ(tile(4, 2), "LAB_FLOOR");
  EXPECT_EQ(g.world.remaining, 1);
  EXPECT_EQ(g.world.score, -kFloorValue);
}

class BombTest : public TileRulesTest {
 protected:
  BombTest() {
    g.world.player.x = 5 * 32 + 10;
    g.world.player.y = 5 * 32;
    for (int i = 0; i <= 20; ++i) paint({{i, 5}, {5, i}}, "LAB_FIXED_FLOOR");
  }
};

TEST_F(BombTest, RaysStopAtTheLastColumnAndRowAndBeforeABlastStopper) {
  paint({{5, 2}}, "LAB_WALL");
  paint({{8, 5}}, "LAB_WATER");  // collision 1 lets the blast through
  g.world.remaining = 0;
  detonate_bomb(g);
  for (int x = 1; x <= 19; ++x) EXPECT_EQ(tile(x, 5), x == 8 ? "LAB_WATER" : "LAB_FLOOR") << x;
  for (int y = 3; y <= 19; ++y) EXPECT_EQ(tile(5, y), "LAB_FLOOR") << y;
  EXPECT_EQ(tile(0, 5), "LAB_FIXED_FLOOR");
  EXPECT_EQ(tile(20, 5), "LAB_FIXED_FLOOR");
  EXPECT_EQ(tile(5, 20), "LAB_FIXED_FLOOR");
  EXPECT_EQ(tile(5, 1), "LAB_FIXED_FLOOR");
  EXPECT_EQ(g.world.remaining, 18 + 16);  // row 1..19 without water, column 3..19 without 5
  EXPECT_EQ(g.world.score, 0);
}

TEST_F(BombTest, EachBombOfTheStockBlastsOnceAndAnEmptyStockDoesNothing) {
  g.world.bomb_stock = "&&";
  use_bomb(g);
  EXPECT_EQ(g.world.bomb_stock, "&");
  EXPECT_EQ(tile(6, 5), "LAB_FLOOR");
  g.world.bomb_stock = "";
  paint({{6, 5}}, "LAB_FIXED_FLOOR");
  use_bomb(g);
  EXPECT_EQ(g.world.bomb_stock, "");
  EXPECT_EQ(tile(6, 5), "LAB_FIXED_FLOOR");
}

TEST_F(BombTest, APlayerFarRightOfTheGridBlastsItsRowBackToColumnOne) {
  g.world.player.x = 1.0e6f;
  g.world.remaining = 0;
  detonate_bomb(g);
  EXPECT_EQ(g.world.remaining, 20);  // columns 20 down to 1; the empty cells beyond pass it on
  EXPECT_EQ(tile(0, 5), "LAB_FIXED_FLOOR");
}

}  // namespace
}  // namespace orv
