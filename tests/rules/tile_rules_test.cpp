#include "rules/tile_rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "game/game.h"
#include "rules/bombs.h"
#include "rules/enemy_tiles.h"
#include "rules/patterns.h"
#include "support/tile_rules_fixture.h"

namespace orv {
namespace {

using test::TileRulesTest;

struct PatternCase {
  const char* name;
  std::vector<std::pair<int, int>> blue, fixed;
  std::pair<int, int> tested, converted;  // converted (-1, -1): nothing changes
};
void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.name;
}

const PatternCase kPatternCases[] = {
    {"SquareLowerLeft", {{3, 4}, {3, 5}, {4, 5}, {4, 4}}, {}, {4, 4}, {4, 4}},
    {"RowAbove", {{5, 4}, {6, 4}, {4, 4}, {5, 5}}, {}, {5, 5}, {5, 5}},
    {"IncompleteRow", {{10, 9}, {11, 9}, {10, 10}}, {}, {10, 10}, {-1, -1}},
    {"FixedNeighbourCountsAsBlue", {{3, 5}, {4, 5}, {4, 4}}, {{3, 4}}, {4, 4}, {4, 4}},
    {"FixedCellEndsTheTest", {{3, 4}, {3, 5}, {4, 5}, {5, 4}, {5, 5}}, {{4, 4}}, {4, 4}, {-1, -1}},
    {"ColumnZeroTestsColumnOne", {{0, 3}, {1, 3}, {1, 4}, {2, 3}, {2, 4}}, {}, {0, 3}, {1, 3}},
};

class PatternTest : public TileRulesTest, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(PatternTest, ACompleteBluePatternFixesTheTestedCellForTheFixedValue) {
  const PatternCase& c = GetParam();
  paint(c.blue, "LAB_BLUE_FLOOR");
  paint(c.fixed, "LAB_FIXED_FLOOR");
  g.world.remaining = 10;
  fix_blue_patterns(g, c.tested.first, c.tested.second);
  const bool converts = c.converted.first >= 0;
  EXPECT_EQ(g.world.score, converts ? kFixedValue : 0);
  EXPECT_EQ(g.world.remaining, converts ? 9 : 10);
  for (auto at : c.blue) {
    EXPECT_EQ(tile(at.first, at.second), at == c.converted ? "LAB_FIXED_FLOOR" : "LAB_BLUE_FLOOR")
        << at.first << "," << at.second;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PatternTest, ::testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TileRulesTest, EveryPainterChangesTilesByItsRules) {
  const struct {
    const char *from, *player, *group_a, *group_b;
  } cases[] = {{"LAB_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR", "LAB_FLOOR"},
               {"LAB_BLUE_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR", "LAB_FLOOR"},
               {"LAB_FIXED_FLOOR", "LAB_FIXED_FLOOR", "LAB_FIXED_FLOOR", "LAB_FLOOR"},
               {"LAB_PINK_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR", "LAB_FLOOR"},
               {"LAB_WALL", "LAB_WALL", "LAB_WALL", "LAB_WALL"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    paint({{1, 1}, {2, 1}, {3, 1}}, c.from);
    paint_by_player(g, 1, 1);
    paint_pink(g, 2 * 32, 32);
    erase_paint(g, 3 * 32 + 15, 32);  // still on column 3
    EXPECT_EQ(std::tuple(tile(1, 1), tile(2, 1), tile(3, 1)),
              std::tuple(c.player, c.group_a, c.group_b));
  }
}

TEST_F(TileRulesTest, GroupBWipingFixedBlueCountsItBackEvenBelowAScoreOfZero) {
  paint({{2, 2}}, "LAB_FIXED_FLOOR");
  paint({{3, 2}}, "LAB_FIXED_PINK_FLOOR");
  g.world.remaining = 0;
  erase_paint(g, 2 * 32, 2 * 32);
  erase_paint(g, 3 * 32, 2 * 32);
  EXPECT_EQ(std::tuple(g.world.remaining, g.world.score), std::tuple(1, -kFloorValue));
}

class HardcoreTest : public TileRulesTest {
 protected:
  HardcoreTest() {
    g.config.game_mode = "HARDCORE";
    paint({{11, 10}, {10, 11}}, "LAB_BLUE_FLOOR");
    paint({{10, 9}}, "LAB_WALL");
  }
};

TEST_F(HardcoreTest, OnlyAPlayerBoxedInByPaintedFloorIsTrapped) {
  const struct {
    const char *west, *start;
    bool trapped;
    int collision;
  } cases[] = {{"LAB_WALL", "LAB_FLOOR", true, 1},
               {"LAB_FIXED_FLOOR", "LAB_FLOOR", false, 1},  // a fixed tile is a way out
               {"LAB_WALL", "LAB_PINK_FLOOR", false, 0}};   // repainting pink: no barrier
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " west " + c.west);
    paint({{9, 10}}, c.west);
    paint({{10, 10}}, c.start);
    g.frame.title_requested = false;
    paint_by_player(g, 10, 10);
    EXPECT_EQ(std::tuple(g.frame.title_requested, tile(10, 10), cell(10, 10).collision),
              std::tuple(c.trapped, "LAB_BLUE_FLOOR", c.collision));
  }
}

class BombTest : public TileRulesTest {
 protected:
  BombTest() {
    g.world.player.x = 5 * 32 + 10, g.world.player.y = 5 * 32;
    for (int i = 0; i <= 20; ++i) paint({{i, 5}, {5, i}}, "LAB_FIXED_FLOOR");
  }
};

TEST_F(BombTest, EachBombBlastsRaysThatStopAtTheLastCellOrBeforeABlastStopper) {
  paint({{5, 2}}, "LAB_WALL");
  paint({{8, 5}}, "LAB_WATER");  // collision 1 lets the blast through
  g.world.bombs = 2;
  use_bomb(g);
  EXPECT_EQ(g.world.bombs, 1);
  for (int x = 1; x <= 19; ++x) EXPECT_EQ(tile(x, 5), x == 8 ? "LAB_WATER" : "LAB_FLOOR") << x;
  for (int y = 3; y <= 19; ++y) EXPECT_EQ(tile(5, y), "LAB_FLOOR") << y;
  EXPECT_EQ(tile(20, 5), "LAB_FIXED_FLOOR");
  // Row 1..19 without the water, column 3..19 without 5.
  EXPECT_EQ(std::tuple(g.world.remaining, g.world.score), std::tuple(18 + 16, 0));
  g.world.bombs = 0;
  paint({{6, 5}}, "LAB_FIXED_FLOOR");
  use_bomb(g);
  EXPECT_EQ(tile(6, 5), "LAB_FIXED_FLOOR");
}

}  // namespace
}  // namespace orv
