#include "screens/highscore.h"

#include <tuple>

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

using HighscoreTest = test::ScreenTest;

// START in the first frame leaves at once with score and level untouched. The score shows
// twice: opaque after "GLOBAL HIGHSCORE:" at a quarter of the height, and smaller at opacity
// 240 after the player's name at 0.3 of the height. The font has only one digit of the score.
TEST_F(HighscoreTest, TheScoreIsShownTwiceAndStartLeavesAtOnce) {
  t.game.world.player_name = "TESTER";
  t.game.world.level = 5;
  press_start_at(0);
  for (auto [score, digit, glyph] :
       {std::tuple(1234, "4", colour::kFour), std::tuple(0, "0", colour::kZero)}) {
    SCOPED_TRACE(score);
    t.game.world.score = score;
    t.game.frame.game_state = kGameEnding;
    test::load_test_font(t, digit);
    const std::int64_t first_frame = t.platform.frame();
    show_highscore(t.game);
    EXPECT_EQ(t.platform.frame(), first_frame + 1);
    EXPECT_EQ(std::tuple(t.game.world.score, t.game.world.level, t.game.frame.menu_active,
                         t.game.frame.game_state),
              std::tuple(score, 5, 0, kGameRunning));
    const media::Image& f = t.platform.last_presented();
    const auto global = test::find_colour(f, glyph, {0, kHeight / 4, kWidth, 10});
    ASSERT_TRUE(global);
    EXPECT_EQ(std::tuple(global->x, global->height), std::tuple(kWidth * 3 / 10, 10));
    const test::Rect player_line{0, kHeight * 3 / 10, kWidth, 10};
    EXPECT_TRUE(test::anything_but(f, media::rgb(0, 0, 0), player_line));
    EXPECT_FALSE(test::find_colour(f, glyph, player_line));  // drawn at opacity 240
  }
}

}  // namespace
}  // namespace orv
