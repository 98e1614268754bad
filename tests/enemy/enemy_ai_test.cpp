#include "enemy/enemy_ai.h"

#include <gtest/gtest.h>

#include "frame/game.h"
#include "support/tile_rules_test.h"

namespace orv {
namespace {

// Enemies on an open floor around cell (2, 2); every chance 0 acts on every draw.
class EnemyTest : public test::TileRulesTest {
 protected:
  EnemyTest() {
    for (int x = 0; x <= 6; ++x) {
      for (int y = 0; y <= 4; ++y) paint({{x, y}}, "LAB_FLOOR");
    }
    e.x = 64;
    e.y = 64;
    e.steps_per_tile_x = 3;
    e.steps_per_tile_y = 3;
    e.behaviour = 1;
  }
  // Walls on every side of (2, 2) but the given ones.
  void wall_in(std::initializer_list<std::pair<int, int>> open) {
    for (auto [x, y] : {std::pair{3, 2}, {1, 2}, {2, 3}, {2, 1}}) {
      bool keep = false;
      for (auto o : open) keep = keep || o == std::pair{x, y};
      if (!keep) paint({{x, y}}, "LAB_WALL");
    }
  }
  Enemy e;
};

TEST_F(EnemyTest, ThreeStepsPerTileCrossIntoTheNextColumnAtTheHalfTile) {
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 75);  // 64 + 10.67
  EXPECT_EQ(e.direction, kDirectionRight);
  EXPECT_EQ(tile(2, 2), "LAB_PINK_FLOOR");
  EXPECT_EQ(tile(3, 2), "LAB_FLOOR");
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 86);  // 86 / 32 = 2.69: column 3
  EXPECT_EQ(tile(3, 2), "LAB_PINK_FLOOR");
  EXPECT_EQ(e.y, 64);
}

TEST_F(EnemyTest, NegativeActivityAndStandingBehavioursNeverMove) {
  Enemy frozen = e;
  frozen.activity_chance = -1;
  move_enemy_a(g, frozen, 1);
  move_enemy_b(g, frozen, 1);
  EXPECT_EQ(frozen.x, 64);
  for (int behaviour : {2, 3, 4}) {
    Enemy standing = e;
    move_enemy_a(g, standing, behaviour);
    EXPECT_EQ(standing.x, 64);
    EXPECT_EQ(standing.direction, kDirectionNone);
  }
  move_enemy_a(g, e, 7);  // any other value wanders
  EXPECT_EQ(e.x, 75);
}

TEST_F(EnemyTest, AnAxisWithoutStepsKeepsTheChosenDirectionButDoesNotMove) {
  e.steps_per_tile_x = 0;
  e.steps_per_tile_y = 4;
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 64);
  EXPECT_EQ(e.direction, kDirectionRight);
  EXPECT_EQ(tile(2, 2), "LAB_FLOOR");
  wall_in({{2, 3}});
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.y, 72);  // a quarter tile down
  EXPECT_EQ(e.direction, kDirectionDown);
}

TEST_F(EnemyTest, GroupBWalksThroughCollisionOneAndGroupADoesNot) {
  wall_in({{3, 2}});
  paint({{3, 2}}, "LAB_WATER");
  Enemy a = e, b = e;
  move_enemy_a(g, a, 1);
  EXPECT_EQ(a.x, 64);
  EXPECT_EQ(a.direction, kDirectionNone);
  move_enemy_b(g, b, 1);
  EXPECT_EQ(b.x, 75);
  paint({{3, 2}}, "LAB_WALL");
  Enemy b2 = e;
  move_enemy_b(g, b2, 1);
  EXPECT_EQ(b2.x, 64);
}

TEST_F(EnemyTest, WithoutATurnAnEnemyFollowsItsDirectionUntilAWall) {
  e.turn_chance = 1000000;  // practically never turns
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 64);  // no direction yet
  e.direction = kDirectionLeft;
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 53);
  e.x = 32;
  paint({{0, 2}}, "LAB_WALL");
  move_enemy_a(g, e, 1);
  EXPECT_EQ(e.x, 32);
  EXPECT_EQ(e.direction, kDirectionLeft);
}

}  // namespace
}  // namespace orv
