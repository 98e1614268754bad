#include "screens/highscore.h"

#include <tuple>

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

using HighscoreTest = test::ScreenTest;

// START in the first frame leaves at once with score and level untouched; the score shows
// opaque after "GLOBAL HIGHSCORE:" at a quarter of the height (the font has only "4").
TEST_F(HighscoreTest, TheScoreIsShownAndStartLeavesAtOnce) {
  t.game.world.level = 5;
  t.game.world.score = 1234;
  t.game.frame.game_state = kGameEnding;
  press_start_at(0);
  test::load_test_font(t, "4");
  show_highscore(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_EQ(std::tuple(t.game.world.score, t.game.world.level, t.game.frame.menu_active,
                       t.game.frame.game_state),
            std::tuple(1234, 5, 0, kGameRunning));
  const auto global =
      test::find_colour(t.platform.last_presented(), colour::kFour, {0, kHeight / 4, kWidth, 10});
  ASSERT_TRUE(global);
  EXPECT_EQ(std::tuple(global->x, global->height), std::tuple(kWidth * 3 / 10, 10));
}

}  // namespace
}  // namespace orv
