// The best scores are kept per data set: a mod keeps a table of its own, the same data played
// from another folder finds its table again, and replays and games whose level was changed
// with Page Up or Page Down never enter a table.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame/user_files.h"
#include "game/input_state.h"
#include "media/keys.h"
#include "screens/highscore.h"
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
    g.config.rgb_code_path = data + "DATA\\TILES\\";
    g.config.world_gfx = data + "GFX\\OBJECTS\\";
    g.config.app_entry = data + "DATA\\LEVELS\\";
    g.config.self_create_base = data + "DATA\\LEVELS\\BASE.ai42";
    g.config.highscore_file = "scores.txt";
    const std::string root = home.path();
    t->media.user_folders =
        media::UserFolders([root](const std::string& name) -> std::optional<std::string> {
          if (name == "HOME") return root;
          return std::nullopt;
        });
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
    t.game.input.held_back = kCommandNone;  // the P that left the last screen is let go
    t.game.world.score = score;
    t.game.world.level = 3;
    t.game.world.player_name = "ann";
    t.platform.hold_key(media::key::kP, t.platform.frame());
    ::testing::internal::CaptureStderr();
    show_highscore(t.game);
    ::testing::internal::GetCapturedStderr();
    return test::anything_but(t.platform.last_presented(), media::rgb(0, 0, 0), {0, 296, 800, 16});
  }

  static std::vector<std::int32_t> scores_of(const test::ScreenGame& t) {
    std::vector<std::int32_t> scores;
    for (const ScoreEntry& e : load_score_table(t.game.config.highscore_file).table)
      scores.push_back(e.score);
    return scores;
  }

  media::testing::FilesTempFolder home;
};

TEST_F(DataSetRecords, TwoDataSetsKeepTwoTablesAndACopyFindsItsOwnAgain) {
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

TEST_F(DataSetRecords, NeitherAReplayNorALevelSkippingGameAddsARecord) {
  auto t = game_on("50");
  EXPECT_FALSE(finish_game(*t, 100));
  t->game.frame.replaying = true;
  EXPECT_TRUE(finish_game(*t, 900));
  t->game.frame.replaying = false;
  t->game.world.level_keys_used = true;
  EXPECT_TRUE(finish_game(*t, 800));
  EXPECT_EQ(scores_of(*t), std::vector<std::int32_t>{100});
  t->game.world.level_keys_used = false;
  EXPECT_FALSE(finish_game(*t, 700));
  EXPECT_EQ(scores_of(*t), (std::vector<std::int32_t>{700, 100}));
}

}  // namespace
}  // namespace orv
