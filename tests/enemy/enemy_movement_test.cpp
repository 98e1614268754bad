#include "enemy/enemy_movement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/game.h"
#include "support/tile_rules_fixture.h"

namespace orv {
namespace {

// Enemies on an open floor around cell (2, 2); every chance 0 acts on every draw.
class EnemyTest : public test::TileRulesTest {
 protected:
  EnemyTest() {
    for (int x = 0; x <= 6; ++x)
      for (int y = 0; y <= 4; ++y) paint({{x, y}}, "LAB_FLOOR");
    e.x = 64, e.y = 64, e.steps_per_tile_x = 3;
    e.steps_per_tile_y = 3, e.behaviour = 1;
  }
  // Walls on every side of (2, 2) but the given ones.
  void wall_in(std::initializer_list<std::pair<int, int>> open) {
    for (auto side : {std::pair{3, 2}, {1, 2}, {2, 3}, {2, 1}})
      if (std::find(open.begin(), open.end(), side) == open.end()) paint({side}, "LAB_WALL");
  }
  Enemy e;
};

TEST_F(EnemyTest, ThreeStepsPerTileCrossIntoTheNextColumnAtTheHalfTile) {
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 75);  // 64 + 10.67
  EXPECT_EQ(std::tuple(e.direction, tile(2, 2), tile(3, 2)),
            std::tuple(Direction::kRight, "LAB_PINK_FLOOR", "LAB_FLOOR"));
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 86);  // 86 / 32 = 2.69: column 3
  EXPECT_EQ(std::tuple(tile(3, 2), e.y), std::tuple("LAB_PINK_FLOOR", 64));
}

// A negative activity chance or behaviour 3 stands still; an axis without steps never moves.
TEST_F(EnemyTest, FrozenStandingOrSteplessEnemiesDoNotMove) {
  Enemy frozen = e, standing = e, stepless = e;
  frozen.activity_chance = -1;
  move_enemy_a(g, frozen, 1);
  move_enemy_b(g, frozen, 1);
  move_enemy_a(g, standing, 3);
  stepless.steps_per_tile_x = 0;
  move_enemy_a(g, stepless, 1);
  for (const Enemy& still : {frozen, standing, stepless}) EXPECT_EQ(still.x, 64);
  EXPECT_EQ(std::pair(standing.direction, stepless.direction),
            std::pair(Direction::kNone, Direction::kRight));
}

TEST_F(EnemyTest, OnlyGroupBWalksThroughCollisionOne) {
  wall_in({{3, 2}});
  paint({{3, 2}}, "LAB_WATER");
  Enemy a = e, b = e;
  move_enemy_a(g, a, 1);
  EXPECT_EQ(std::tuple(a.x, a.direction), std::tuple(64, Direction::kNone));
  move_enemy_b(g, b, 1);
  EXPECT_EQ(b.x, 75);
  paint({{3, 2}}, "LAB_WALL");
  b = e;
  move_enemy_b(g, b, 1);
  EXPECT_EQ(b.x, 64);
}

}  // namespace
}  // namespace orv
