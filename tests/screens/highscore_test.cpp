#include "screens/highscore.h"

#include "screens/score_table.h"

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

// With a score table the best score kept stands after "GLOBAL HIGHSCORE:" (4444, four glyphs
// wide, where the 1234 just played shows one), the table is listed below the player's line, and the
// game just played is kept in the file with its player, level and date.
TEST_F(HighscoreTest, WithAScoreTableTheBestKeptIsShownAndTheGameIsKept) {
  const std::string path = t.dir.path() + "scores.txt";
  ASSERT_TRUE(save_score_table(path, {{4444, 9, "2026-01-02", "bob"}}));
  t.game.config.highscore_file = path;
  t.game.world.level = 2;
  t.game.world.score = 1234;
  t.game.world.player_name = "ann";
  press_start_at(0);
  test::load_test_font(t, "4");
  show_highscore(t.game);

  const auto& shown = t.platform.last_presented();
  const auto global = test::find_colour(shown, colour::kFour, {0, kHeight / 4, kWidth, 10});
  ASSERT_TRUE(global);
  EXPECT_GE(global->width, 20);
  // The rows (drawn at opacity 240) stand between the online line and the prompt.
  EXPECT_TRUE(test::anything_but(shown, media::rgb(0, 0, 0),
                                 {0, kHeight * 2 / 5, kWidth, kHeight * 6 / 25}));
  const ScoreTable kept = load_score_table(path).table;
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].name, "bob");
  EXPECT_EQ(std::tuple(kept[1].score, kept[1].level, kept[1].name), std::tuple(1234, 2, "ann"));
  EXPECT_EQ(kept[1].date.size(), 10u);
}

}  // namespace
}  // namespace orv
