#include <gtest/gtest.h>

#include "frame/errors.h"
#include "input/input_test_support.h"

namespace orv {
namespace {

namespace key = media::key;

using Dialogs = test::InputTest;

TEST_F(Dialogs, EscapeThenXGoesOnWithTheTimeUnchanged) {
  g.world.time = 30;
  t.platform.tap_key(key::kEscape, 0, 2);
  t.platform.hold_key(key::kX, 5);
  frame();  // the dialog runs inside this frame's input until X
  EXPECT_EQ(now(), 6);
  EXPECT_EQ(g.world.time, 30);
  EXPECT_EQ(g.frame.game_state, kGameRunning);
  EXPECT_EQ(g.input.open_dialogs, 0);
}

TEST_F(Dialogs, EscapeThenBEndsTheGameAndTheProgram) {
  t.platform.tap_key(key::kEscape, 0, 1);
  t.platform.hold_key(key::kB, 3);
  read_input(g);
  EXPECT_EQ(g.frame.game_state, kGameEnding);
  EXPECT_EQ(g.frame.quit_requested, 1);
  EXPECT_THROW(frame_end(g), ProgramEnd);
}

TEST_F(Dialogs, PauseThenBRestartsTheLevelAndOnlyABombActsInside) {
  g.world.score = 500;
  g.world.level_start_score = 120;
  g.world.bomb_stock = "&&";
  t.platform.tap_key(key::kP, 0, 1);
  t.platform.tap_key(key::kSpace, 2, 3);
  // A quit dialog opened inside the pause dialog would end the game with the B below.
  t.platform.tap_key(key::kEscape, 4, 5);
  t.platform.hold_key(key::kB, 7);
  frame();
  EXPECT_EQ(g.world.score, 120);
  EXPECT_EQ(g.frame.built_level, -1);
  EXPECT_EQ(g.frame.game_state, kGameRunning);
  EXPECT_EQ(g.frame.quit_requested, 0);
  EXPECT_EQ(g.world.bomb_stock, "&");
}

}  // namespace
}  // namespace orv
