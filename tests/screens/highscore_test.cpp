#include "screens/highscore.h"

#include "screens/score_table.h"

#include <tuple>
#include <vector>

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

using HighscoreTest = test::ScreenTest;

// START in the first frame leaves at once with score and level untouched; the score shows
// opaque after "GLOBAL HIGHSCORE:" at a quarter of the height (the font has only "4").
TEST_F(HighscoreTest, StartLeavesAtOnceWithTheScoreShown) {
  t.game.world.level = 5, t.game.world.score = 1234;
  t.game.frame.game_state = GameState::kEnding;
  press_start_at(0);
  test::load_test_font(t, "4");
  show_highscore(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_EQ(std::tuple(t.game.world.score, t.game.world.level, t.game.frame.menu_active,
                       t.game.frame.game_state),
            std::tuple(1234, 5, 0, GameState::kRunning));
  const auto global =
      test::find_colour(t.platform.last_presented(), colour::kFour, {0, kHeight / 4, kWidth, 10});
  ASSERT_TRUE(global);
  EXPECT_EQ(std::tuple(global->x, global->height), std::tuple(kWidth * 3 / 10, 10));
}

// With a score table the best score kept stands after "GLOBAL HIGHSCORE:" (4444, four glyphs
// wide, where the 1234 just played shows one), the table is listed below the player's line, and the
// game just played is kept in the file with its player, level and date.
TEST_F(HighscoreTest, TheGameJoinsTheTableWhoseBestIsShown) {
  const std::string path = t.dir.path() + "scores.txt";
  ASSERT_TRUE(save_score_table(path, {{4444, 9, "2026-01-02", "bob"}}));
  t.game.config.highscore_file = path;
  t.game.world.level = 2, t.game.world.score = 1234, t.game.world.player_name = "ann";
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

// On a 1024x768 screen the table is drawn at the size of the head-up display's lines (zoom 1:
// the test glyph's full 10 pixels), one row a line (the "A" of 20 pixels sets the line) below
// the online line and above the prompt, every row inside the screen.
TEST_F(HighscoreTest, TheTableRowsAreAsTallAsTheHeadUpDisplaysLinesWithinTheScreen) {
  test::open_test_screen(t.game, 1024, 768);
  const std::string path = t.dir.path() + "scores.txt";
  ScoreTable table;
  for (int i = 0; i < 10; ++i) table.push_back({4444 - i, 9, "2026-01-02", "bob"});
  ASSERT_TRUE(save_score_table(path, table));
  t.game.config.highscore_file = path;
  press_start_at(0);
  test::load_test_font(t, "A4");
  show_highscore(t.game);

  const auto& shown = t.platform.last_presented();
  const auto black = media::rgb(0, 0, 0);
  // Runs of lines holding anything between the online line and the prompt: one per row, each
  // the glyph's full height.
  std::vector<int> heights;
  bool in_row = false;
  for (int y = 768 * 37 / 100; y < 768 * 70 / 100; ++y) {
    const bool lit = test::anything_but(shown, black, {0, y, 1024, 1});
    if (lit && !in_row) heights.push_back(0);
    if (lit) ++heights.back();
    in_row = lit;
  }
  EXPECT_EQ(heights, std::vector<int>(10, 10));
  EXPECT_FALSE(test::anything_but(shown, black, {0, 768 * 37 / 100, 1024 * 2 / 100, 768 / 3}));
}

}  // namespace
}  // namespace orv
