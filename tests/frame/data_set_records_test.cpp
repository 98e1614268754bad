// The best scores are kept per data set: a mod keeps a table of its own, the same data played
// from another folder finds its table again, and replays, practice games and games whose level
// was changed with Page Up or Page Down never enter a table; the day's games enter the day's
// table only. The highest level reached is kept per data set as well.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame/user_files.h"
#include "game/input_state.h"
#include "game/play_mode.h"
#include "media/files/user_folders.h"
#include "media/keys.h"
#include "screens/highscore.h"
#include "screens/reached_level.h"
#include "screens/score_table.h"
#include "support/files_temp_folder.h"
#include "support/screen_game.h"

namespace orv {
namespace {

class DataSetRecords : public ::testing::Test {
 protected:
  // A game on a small data set whose gem is worth gem_value, sharing this test's home folder.
  std::unique_ptr<test::ScreenGame> game_on(const std::string& gem_value) {
    auto t = std::make_unique<test::ScreenGame>();
    const std::string data = t->dir.path();
    t->dir.write("DATA/ini.txt", "APPNAME\nT\nHIGHSCOREFILE\nscores.txt\n");
    t->dir.write("DATA/TILES/T/LAB", "PICTURE\nlab.png\n");
    t->dir.write("DATA/LEVELS/BASE.ai42", "1\n");
    t->dir.write("GFX/OBJECTS/gem.dll", "VALUE\n" + gem_value + "\n");
    Game& g = t->game;
    g.frame.configuration_path = data + "DATA/ini.txt";
    g.config.tile_definitions_path = data + "DATA\\TILES\\";
    g.config.object_definitions_path = data + "GFX\\OBJECTS\\";
    g.config.level_file_prefix = data + "DATA\\LEVELS\\";
    g.config.level_base_file = data + "DATA\\LEVELS\\BASE.ai42";
    g.config.highscore_file = "scores.txt";
    t->media.user_folders = test::home_only(home.path());
    test::open_test_screen(g, 800, 800);
    g.config.load_intro_screen.clear();
    ::testing::internal::CaptureStderr();
    place_user_files(g);
    ::testing::internal::GetCapturedStderr();
    return t;
  }

  // Ends a game with this score on the highscore screen, which is left at once; true when the
  // screen said the game is not kept (the line below the online line, the only one there with
  // an "A", the one glyph of the font loaded).
  static bool finish_game(test::ScreenGame& t, std::int32_t score) {
    test::load_test_font(t, "A");
    t.game.input.held_back = Command::kNone;  // the P that left the last screen is let go
    t.game.world.score = score, t.game.world.level = 3, t.game.world.player_name = "ann";
    t.platform.hold_key(media::key::kP, t.platform.frame());
    ::testing::internal::CaptureStderr();
    show_highscore(t.game);
    ::testing::internal::GetCapturedStderr();
    return test::anything_but(t.platform.last_presented(), media::rgb(0, 0, 0), {0, 296, 800, 16});
  }

  static std::vector<std::int32_t> scores_of(const test::ScreenGame& t,
                                             const std::string& table = {}) {
    std::vector<std::int32_t> scores;
    const std::string path = table.empty() ? t.game.config.highscore_file : table;
    for (const ScoreEntry& e : load_score_table(path).table) scores.push_back(e.score);
    return scores;
  }

  media::testing::FilesTempFolder home;
};

TEST_F(DataSetRecords, EachDataSetKeepsItsOwnTableWhereverItLies) {
  auto shipped = game_on("50");
  auto mod = game_on("5000");
  auto copy = game_on("50");  // the shipped data in another folder
  EXPECT_NE(shipped->game.frame.data_set_key, mod->game.frame.data_set_key);
  EXPECT_EQ(shipped->game.frame.data_set_key, copy->game.frame.data_set_key);
  EXPECT_NE(shipped->game.config.highscore_file, mod->game.config.highscore_file);
  EXPECT_NE(shipped->game.config.highscore_file.find(home.path()), std::string::npos);

  finish_game(*mod, 5010);
  finish_game(*shipped, 120);
  finish_game(*copy, 90);
  EXPECT_EQ(scores_of(*mod), std::vector<std::int32_t>{5010});
  EXPECT_EQ(scores_of(*shipped), (std::vector<std::int32_t>{120, 90}));
}

// Replays, games whose level was changed with the keys and practice games say on screen that
// they are not kept, and add nothing.
TEST_F(DataSetRecords, OnlyNormalGamesAddARecord) {
  auto t = game_on("50");
  Game& g = t->game;
  EXPECT_FALSE(finish_game(*t, 100));
  g.frame.replaying = true;
  EXPECT_TRUE(finish_game(*t, 900));
  g.frame.replaying = false, g.world.level_keys_used = true;
  EXPECT_TRUE(finish_game(*t, 800));
  g.world.level_keys_used = false, g.frame.play.mode = PlayMode::kPractice;
  EXPECT_TRUE(finish_game(*t, 600));
  g.frame.play.mode = PlayMode::kNormal;
  EXPECT_FALSE(finish_game(*t, 700));
  EXPECT_EQ(scores_of(*t), (std::vector<std::int32_t>{700, 100}));
}

TEST_F(DataSetRecords, TheDaysGamesEnterOnlyTheDaysTable) {
  auto t = game_on("50");
  Game& g = t->game;
  t->platform.set_utc_time({2026, 12, 8, 23, 0, 0});
  choose_daily_game(g);
  EXPECT_FALSE(finish_game(*t, 300));
  EXPECT_FALSE(finish_game(*t, 200));
  t->platform.set_utc_time({2026, 12, 9, 0, 30, 0});
  choose_daily_game(g);
  EXPECT_FALSE(finish_game(*t, 50));

  const std::string folder = g.config.highscore_file.substr(0, g.config.highscore_file.rfind('/'));
  EXPECT_TRUE(scores_of(*t).empty());
  EXPECT_EQ(scores_of(*t, folder + "/daily-2026-12-08"), (std::vector<std::int32_t>{300, 200}));
  EXPECT_EQ(scores_of(*t, folder + "/daily-2026-12-09"), std::vector<std::int32_t>{50});
}

TEST_F(DataSetRecords, OnlyNormalGamesRaiseTheReachedLevelOfTheirDataSet) {
  auto shipped = game_on("50");
  auto mod = game_on("5000");
  const auto reach = [](test::ScreenGame& t, std::int32_t level) {
    t.game.world.level = level;
    note_level_reached(t.game);
    return read_reached_level(reached_level_path(t.game.config));
  };
  EXPECT_EQ(read_reached_level(reached_level_path(shipped->game.config)), 1);  // none yet
  EXPECT_EQ(reach(*shipped, 4), 4);
  EXPECT_EQ(reach(*shipped, 2), 4);  // never lowered
  EXPECT_EQ(read_reached_level(reached_level_path(mod->game.config)), 1);
  EXPECT_EQ(reach(*mod, 2), 2);

  // Practice, the daily game (other labyrinths than the data set's), a replay and a game whose
  // level was changed with the keys never raise it.
  Game& g = shipped->game;
  for (int i = 0; i < 5; ++i) {
    g.frame.play.mode = i == 0   ? PlayMode::kPractice
                        : i == 1 ? PlayMode::kDaily
                                 : PlayMode::kNormal;
    g.frame.replaying = i == 2, g.world.level_keys_used = i == 3;
    EXPECT_EQ(reach(*shipped, i < 4 ? 9 : 5), i < 4 ? 4 : 5) << i;
  }

  // Another game of the same data set raised it meanwhile: the file wins over what this game
  // read at its title.
  std::string error;
  EXPECT_EQ(raise_reached_level(reached_level_path(mod->game.config), 7, error), 7);
  EXPECT_EQ(reach(*mod, 3), 7);  // this game still believed 2: 3 is written over nothing
  EXPECT_EQ(mod->game.frame.play.reached_level, 7);
}

TEST(ReachedLevelFile, OnlyAWholeLevelOfOneOrMoreBehindTheHeaderIsARecord) {
  const std::string header = "ORVANTE REACHED LEVEL\n";
  EXPECT_EQ(parse_reached_level(format_reached_level(12)), 12);
  EXPECT_EQ(parse_reached_level(header + "12\r\n"), 12);
  for (const std::string& bad : {header + "0\n", header + "-3\n", header + "12abc\n", header,
                                 std::string("12\n"), header + "99999999999\n"})
    EXPECT_EQ(parse_reached_level(bad), std::nullopt) << bad;
}

TEST_F(DataSetRecords, ADamagedReachedLevelCountsAsLevelOneUntilRaised) {
  auto t = game_on("50");
  const std::string path = reached_level_path(t->game.config);
  ASSERT_TRUE(path.starts_with(home.path()));
  home.write(path.substr(home.path().size()), "ORVANTE REACHED LEVEL\nlots\n");
  EXPECT_EQ(read_reached_level(path), 1);
  std::string error;
  EXPECT_EQ(raise_reached_level(path, 3, error), 3);
  EXPECT_EQ(error, "");
  EXPECT_EQ(read_reached_level(path), 3);
}

}  // namespace
}  // namespace orv
