#include "screens/game_over.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/system_setup.h"
#include "game/errors.h"
#include "media/keys.h"
#include "support/test_game.h"

namespace orv {
namespace {

class GameOver : public ::testing::Test {
 protected:
  GameOver() {
    t.platform.set_desktop({1920, 1080});
    g.config.design_width = 1024, g.config.design_height = 768;
    open_game_screen(g);
    g.frame.menu_active = false, g.frame.game_state = GameState::kEnding;
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(GameOver, WithoutQuitTheTitleMenuStartsAFreshGame) {
  t.platform.hold_key(media::key::kP, 60);
  g.world.level = 1, g.frame.built_level = 1, g.world.score = 900;
  game_over(g);
  EXPECT_GT(t.platform.frame(), 52);
  EXPECT_EQ(g.frame.game_state, GameState::kRunning);
  // Level 1 is built afresh, with a fresh time.
  EXPECT_EQ(std::tuple(g.frame.built_level, g.world.score), std::tuple(-1, 0));
}

}  // namespace
}  // namespace orv
