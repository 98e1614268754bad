#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "frame/frame_end.h"
#include "game/errors.h"
#include "input/input_test_support.h"
#include "input/player_input.h"

namespace orv {
namespace {

namespace key = media::key;

using Dialogs = test::InputTest;

TEST_F(Dialogs, EscapeThenXGoesOnWithTheTimeUnchanged) {
  g.world.time = 30;
  t.platform.tap_key(key::kEscape, 0, 2);
  t.platform.hold_key(key::kX, 5);
  frame();  // the dialog runs inside this frame's input until X
  EXPECT_EQ(std::tuple(now(), g.world.time, g.frame.game_state, g.input.open_dialogs),
            std::tuple(6, 30, GameState::kRunning, 0));
}

TEST_F(Dialogs, EscapeThenBEndsTheProgram) {
  t.platform.tap_key(key::kEscape, 0, 1);
  t.platform.hold_key(key::kB, 3);
  read_input(g);
  EXPECT_EQ(g.frame.game_state, GameState::kEnding);
  EXPECT_EQ(g.frame.quit_requested, 1);
  EXPECT_THROW(frame_end(g), ProgramEnd);
}

TEST_F(Dialogs, PauseThenBRestartsTheLevel) {
  g.world.score = 500;
  g.world.score_target = 900;  // points of this try still to be counted up
  g.world.level_start_score = 120, g.world.bombs = 2;
  t.platform.tap_key(key::kP, 0, 1);
  t.platform.tap_key(key::kSpace, 2, 3);
  // A quit dialog opened inside the pause dialog would end the game with the B below.
  t.platform.tap_key(key::kEscape, 4, 5);
  t.platform.hold_key(key::kB, 7);
  frame();
  EXPECT_EQ(std::tuple(g.world.score, g.world.score_target, g.frame.built_level,
                       g.frame.quit_requested, g.world.bombs),
            std::tuple(120, 120, -1, 0, 1));
  EXPECT_EQ(g.frame.game_state, GameState::kRunning);
}

// Losing the window's focus in play opens the pause dialog (X goes on); with the setting off,
// or on a menu, nothing opens and the loss is forgotten rather than kept for later.
TEST_F(Dialogs, LosingTheFocusPausesOnlyPlayWhenTheSettingWantsIt) {
  t.platform.lose_focus();
  t.platform.hold_key(key::kX, 3);
  frame();
  // The pause dialog showed frames 0 to 3.
  EXPECT_EQ(std::tuple(now(), g.input.open_dialogs), std::tuple(4, 0));
  t.platform.release_key(key::kX, now());
  frame();

  g.settings.focus_pause = false;
  t.platform.lose_focus();
  const std::int64_t before = now();
  frame();
  EXPECT_EQ(now(), before + 1);
  g.settings.focus_pause = true;
  frame();
  EXPECT_EQ(now(), before + 2);  // the loss was not kept for later

  g.frame.menu_active = true;
  t.platform.lose_focus();
  frame();
  g.frame.menu_active = false;
  frame();
  EXPECT_EQ(now(), before + 4);
}

// The key that answered a dialog, still held, neither answers the next dialog nor acts in play:
// a dialog opened while it is held waits for a fresh press.
class DialogAnswers : public test::InputTest,
                      public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(DialogAnswers, AnAnswerStillHeldDoesNotAnswerTheNextDialog) {
  const auto [open_key, answer_key] = GetParam();
  t.platform.tap_key(open_key, 0, 1);
  t.platform.tap_key(answer_key, 2, 19);  // held until frame 20
  t.platform.tap_key(open_key, 5, 3);     // the dialog opens again meanwhile
  t.platform.tap_key(key::kX, 30, 1);
  while (now() < 10) frame();
  EXPECT_EQ(now(), 31) << "the second dialog closed before X was pressed again";
  EXPECT_EQ(std::tuple(g.frame.game_state, g.input.open_dialogs),
            std::tuple(GameState::kRunning, 0));
}

INSTANTIATE_TEST_SUITE_P(QuitOrPause, DialogAnswers,
                         ::testing::Values(std::pair(key::kEscape, key::kX),
                                           std::pair(key::kP, key::kX),
                                           std::pair(key::kP, key::kB)));

}  // namespace
}  // namespace orv
