#include "screens/highscore.h"

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

class HighscoreTest : public test::ScreenTest {};

TEST_F(HighscoreTest, StartInTheFirstFrameLeavesAtOnceAndKeepsTheGame) {
  t.game.world.score = 1234;
  t.game.world.level = 5;
  t.game.frame.game_state = kGameEnding;
  press_start_at(0);
  show_highscore(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_EQ(t.game.world.score, 1234);
  EXPECT_EQ(t.game.world.level, 5);
  EXPECT_EQ(t.game.frame.menu_active, 0);
  EXPECT_EQ(t.game.frame.game_state, kGameRunning);
}

struct ScoreCase {
  std::int32_t score;
  const char* digit;  // a digit of the score, the only glyph of the font
  media::Colour colour;
};

class HighscoreScoreTest : public test::ScreenTest,
                           public ::testing::WithParamInterface<ScoreCase> {};

// The score appears twice: after "GLOBAL HIGHSCORE:" at a quarter of the height, opaque, and
// after the player's name at 0.3 of the height, slightly transparent and smaller.
TEST_P(HighscoreScoreTest, TheScoreIsShownOnBothLines) {
  const ScoreCase& c = GetParam();
  t.game.world.score = c.score;
  t.game.world.player_name = "TESTER";
  test::load_test_font(t, c.digit);
  press_start_at(0);
  show_highscore(t.game);
  const media::Image& f = t.platform.last_presented();
  const int left = kWidth * 3 / 10;
  const auto global = test::find_colour(f, c.colour, {0, kHeight / 4, kWidth, 10});
  ASSERT_TRUE(global);
  EXPECT_EQ(global->x, left);
  EXPECT_EQ(global->height, 10);
  const test::Rect player_line{0, kHeight * 3 / 10, kWidth, 10};
  EXPECT_TRUE(test::anything_but(f, media::rgb(0, 0, 0), player_line));
  EXPECT_FALSE(test::find_colour(f, c.colour, player_line));  // drawn at opacity 240
}

INSTANTIATE_TEST_SUITE_P(Scores, HighscoreScoreTest,
                         ::testing::Values(ScoreCase{1234, "4", colour::kFour},
                                           ScoreCase{0, "0", colour::kZero}));

}  // namespace
}  // namespace orv
