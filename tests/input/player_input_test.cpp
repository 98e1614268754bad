#include <gtest/gtest.h>

#include <tuple>

#include "input/input_test_support.h"
#include "input/player_step.h"

namespace orv {
namespace {

namespace key = media::key;

// The player starts on cell (3, 3): screen pixel (64, 64) with the view at (1, 1).
class Movement : public test::InputTest {
 protected:
  Movement() { g.world.player.x = g.world.player.y = 64; }
  // Frames at which the player stepped right while Right was held for n frames.
  std::vector<int> steps_while_right_held(int step_delay, int n) {
    g.config.step_delay = step_delay, g.input.step_counter = 0;
    std::vector<int> at;
    hold(key::kRight);
    for (int i = 1; i <= n; ++i) {
      const float before = g.world.player.x;
      frame();
      if (g.world.player.x != before) at.push_back(i);
    }
    return at;
  }
};

TEST_F(Movement, StepsComeEveryStepDelayPlusOneFrames) {
  EXPECT_EQ(steps_while_right_held(0, 3), (std::vector<int>{1, 2, 3}));  // no CURSORSPEED
  EXPECT_EQ(steps_while_right_held(255 - 250, 12), (std::vector<int>{6, 12}));
  EXPECT_EQ(steps_while_right_held(255 - 0, 300), (std::vector<int>{256}));
}

TEST_F(Movement, KeyboardDiagonalsStop) {
  hold(key::kUp);
  hold(key::kLeft);
  frames(3);
  EXPECT_EQ(std::tuple(g.world.player.x, g.world.player.y), std::tuple(64, 64));
}

TEST_F(Movement, TheViewScrollsPastTheMiddleUntilColumnOrRowOne) {
  Player& p = g.world.player;
  // Left of the middle with the view at column 1: the player walks.
  move_player(g, HeldDirection::kLeft);
  move_player(g, HeldDirection::kUp);
  EXPECT_EQ(std::tuple(p.x, p.y, g.world.view_origin_x, g.world.view_origin_y),
            std::tuple(32, 32, 1, 1));
  p.x = 500;  // 500 + 32 passes the middle of 1024: the view scrolls, the player stays
  move_player(g, HeldDirection::kRight);
  EXPECT_EQ(std::tuple(p.x, g.world.view_origin_x), std::tuple(500, 2));
}

TEST_F(Movement, TilesWiderThan127PixelsStepTheirFullWidth) {
  g.config.tile_width = g.config.tile_height = 200, g.world.player.x = g.world.player.y = 0;
  move_player(g, HeldDirection::kRight);
  EXPECT_EQ(g.world.player.x, 200);
}

using Commands = test::InputTest;

TEST_F(Commands, HoldingSpaceDetonatesOneBombPerPress) {
  g.world.bombs = 3;
  frame();
  hold(key::kSpace);
  frames(5);
  EXPECT_EQ(g.world.bombs, 2);
  release(key::kSpace);
  frame();
  hold(key::kA);
  frames(2);
  EXPECT_EQ(g.world.bombs, 1);
}

// Page Up and Page Down change the level once each, when they are let go, with or without a pad.
using LevelKeysInPlay = test::InputTest;
class LevelKeys : public test::InputTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LevelKeys, ChangeTheLevelOnRelease) {
  t.platform.set_joystick(GetParam());
  g.media.input.init_joystick();
  g.world.level = 5;
  hold(key::kPageUp);
  frames(3);
  EXPECT_EQ(g.world.level, 5) << "held";
  release(key::kPageUp);
  frames(2);
  EXPECT_EQ(g.world.level, 6);
  t.platform.tap_key(key::kPageDown, now(), 2);
  frames(4);
  EXPECT_EQ(g.world.level, 5);
}

INSTANTIATE_TEST_SUITE_P(PadAbsentOrPresent, LevelKeys, ::testing::Bool());

// A level changed by the keys in play marks the game, which then stays out of the best scores;
// on the menus the keys change nothing that counts (a new game starts at level 1).
TEST_F(LevelKeysInPlay, MarkTheGameAsNotKept) {
  g.frame.menu_active = true;
  t.platform.tap_key(key::kPageUp, now(), 2);
  frames(4);
  EXPECT_FALSE(g.world.level_keys_used);
  g.frame.menu_active = false;
  frames(2);
  EXPECT_FALSE(g.world.level_keys_used);
  t.platform.tap_key(key::kPageDown, now(), 2);
  frames(4);
  EXPECT_TRUE(g.world.level_keys_used);
}

}  // namespace
}  // namespace orv
