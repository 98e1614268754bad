// The way through the game as a player meets it, on the test data set: START on the title
// menu, play, the time running out, the highscore screen, the next game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/coordinates.h"
#include "game/game.h"
#include "media/keys.h"
#include "support/data_set.h"
#include "support/level_dump.h"
#include "support/test_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
namespace key = media::key;

// A game that runs longer than this many frames is stuck: the platform asks it to close.
constexpr std::int64_t kFrameLimit = 20000;

// Presses START afresh every other frame while a title or highscore screen is up (when asked
// to), never in play, and counts the frames shown while a dialog is open.
class PlayerPlatform : public media::HeadlessPlatform {
 public:
  const Game* game = nullptr;
  bool press_start_on_screens = false;
  int dialog_frames = 0;
  double darkest = 1.0;         // the least share of lit pixels in a frame shown from now on
  double darkest_dialog = 1.0;  // the same for frames shown with a dialog open

  void present(const media::Pixel* pixels, int width, int height) override {
    HeadlessPlatform::present(pixels, width, height);
    const auto lit = std::count_if(pixels, pixels + std::ptrdiff_t(width) * height,
                                   [](media::Pixel p) { return (p & 0xFFFFFFu) != 0; });
    const double share = double(lit) / (double(width) * height);
    darkest = std::min(darkest, share);
    if (game->input.open_dialogs > 0) {
      ++dialog_frames;
      darkest_dialog = std::min(darkest_dialog, share);
    }
    if (press_start_on_screens && game->frame.menu_active) {
      frame() % 2 == 0 ? hold_key(key::kP) : release_key(key::kP);
      pressing_ = true;
    } else if (pressing_) {
      release_key(key::kP);
      pressing_ = false;
    }
    if (frame() >= kFrameLimit) request_close();
  }

 private:
  bool pressing_ = false;
};

class GameFlow : public ::testing::Test {
 protected:
  GameFlow() {
    fs::copy(fs::path(ORV_FIXTURES) / "data" / "DATA", dir.path() + "DATA",
             fs::copy_options::recursive);
    platform.game = &g;
  }
  // Settings appended to the data set's ini file, where the last value wins.
  void configure(const std::string& lines) {
    dir.write("DATA/ini.txt", dir.read("DATA/ini.txt") + lines);
  }
  // Turns of the main loop until the game is back on the title menu and a new game waits for
  // its first turn.
  void play_until_the_next_game() {
    while (g.frame.built_level != -1) main_loop_turn(g);
  }
  // The first turn of a game, which builds and announces its level; returns its frames.
  std::int64_t first_turn() {
    const std::int64_t before = platform.frame();
    main_loop_turn(g);
    return platform.frame() - before;
  }
  // How many cells of the level hold the tile, and how many of those block the player.
  std::pair<int, int> cells_of(const char* tile) {
    int count = 0, blocking = 0;
    for (int x = 0; x <= g.world.last_column; ++x)
      for (int y = 0; y <= g.world.last_row; ++y)
        if (g.world.names.text(g.world.grid.tile_name(x, y)) == tile)
          ++count, blocking += g.world.grid.at(x, y).collision != 0 ? 1 : 0;
    return {count, blocking};
  }

  test::TempDir dir;
  test::CurrentDirectory here{dir.path()};
  PlayerPlatform platform;
  media::Media media{platform, "/home/tester/"};
  Game g{media};
};

// The P that leaves the title menu, held as long as the level announcement and more, starts
// play without pausing. After a level change the level is announced, and the frame after the
// announcement shows the new level with its head-up display, as does a pause dialog opened
// right then (START held through the end of the announcement): no frame of the change is black.
TEST_F(GameFlow, NeitherStartNorALevelChangeShowsAStrayPauseOrBlackFrame) {
  configure("WORLDREFRESH\n2000\n");  // no time runs out
  platform.tap_key(key::kP, 30, 370);
  platform.tap_key(key::kX, 500, 60);  // would close a pause dialog
  ASSERT_NO_THROW(start_up(g));
  ASSERT_NO_THROW(while (platform.frame() < 600) main_loop_turn(g));
  EXPECT_EQ(platform.dialog_frames, 0);
  ASSERT_EQ(std::tuple(g.frame.menu_active, g.world.level, g.frame.built_level),
            std::tuple(0, 1, 1));
  platform.darkest = 1.0;
  platform.tap_key(key::kPageUp, 600, 6);
  platform.tap_key(key::kP, 620, 180);  // inside the announcement of 640 / 5 frames
  platform.hold_key(key::kX, 850);
  ASSERT_NO_THROW(while (platform.frame() < 900) main_loop_turn(g));
  EXPECT_EQ(g.world.level, 2);
  EXPECT_GT(platform.dialog_frames, 0);
  EXPECT_GT(platform.darkest, 0.5);
  EXPECT_GT(platform.darkest_dialog, 0.5);
}

// The first game after launch and a game after the time ran out start alike: level 1 built
// afresh and announced, nothing carried over from the game before (points still to be counted
// up, bombs, an old labyrinth or a negative time).
TEST_F(GameFlow, EveryNewGameStartsLikeTheFirst) {
  configure("WORLDREFRESH\n0\n");  // a time unit every frame
  platform.press_start_on_screens = true;
  ASSERT_NO_THROW(start_up(g));
  EXPECT_GT(first_turn(), 100) << "DIMENSION 1 is announced";
  const std::string first_level = test::dump_level(g);
  const auto first_counters = std::tuple(g.world.score, g.world.score_target, g.world.bombs);
  EXPECT_GT(g.world.time, 0);
  g.world.score_target += 500;
  g.world.bombs = 3;
  ASSERT_NO_THROW(play_until_the_next_game());
  EXPECT_LT(g.world.time, 0);
  EXPECT_GT(first_turn(), 100) << "DIMENSION 1 is announced";
  EXPECT_EQ(test::dump_level(g), first_level);
  EXPECT_EQ(std::tuple(g.world.score, g.world.score_target, g.world.bombs), first_counters);
  EXPECT_EQ(platform.dialog_frames, 0);
}

// A level file game gets its time by the rule of generated levels and plays it out; every new
// game and every restart loads the level file again, so painted HARDCORE barriers never carry
// over.
TEST_F(GameFlow, EveryLevelFileGameLoadsTheFileAfreshWithItsTime) {
  configure(
      "USESELFCREATEBASE\n0\nAPPENTRY\nDATA\\ROOMS\\\nGAMEMODE\nHARDCORE\nWORLDREFRESH\n10\n");
  platform.press_start_on_screens = true;
  ASSERT_NO_THROW(start_up(g));
  first_turn();
  // 12 x 8 open floor cells inside the walls, plus the coins placed on them (goodies).
  const auto goodies = std::count_if(g.world.objects.begin(), g.world.objects.end(),
                                     [](const PlacedObject& o) { return o.goody == 1; });
  const std::int32_t remaining = std::int32_t((96 + goodies) / 4);
  const std::int32_t time = std::min(remaining / 4, 60);
  EXPECT_EQ(std::tuple(g.world.remaining, g.world.time), std::tuple(remaining, time));
  EXPECT_EQ(cell_under_player(g), (CellPosition{1, 1}));
  EXPECT_GE(time, 4);

  // Walking right paints barriers; three time units pass.
  platform.hold_key(key::kRight);
  ASSERT_NO_THROW(for (int i = 0; i < 3 * 11; ++i) main_loop_turn(g));
  platform.release_key(key::kRight);
  EXPECT_EQ(std::tuple(g.world.time, g.frame.menu_active, g.world.level),
            std::tuple(time - 3, 0, 1));
  const auto painted = cells_of("LAB_BLUE_FLOOR");
  EXPECT_EQ(painted.second, painted.first);
  EXPECT_GE(painted.first, 3);

  // P and B restart: the level file again, with its time.
  platform.tap_key(key::kP, platform.frame(), 1);
  platform.tap_key(key::kB, platform.frame() + 2, 1);
  ASSERT_NO_THROW(main_loop_turn(g));
  EXPECT_EQ(g.frame.built_level, -1);
  first_turn();
  EXPECT_EQ(std::tuple(g.world.time, cells_of("LAB_BLUE_FLOOR")),
            std::tuple(time, std::pair(1, 1)));

  // The time runs out; the next game starts on the level file as loaded, with its time.
  ASSERT_NO_THROW(play_until_the_next_game());
  first_turn();
  EXPECT_EQ(std::tuple(g.world.time, g.world.remaining, cells_of("LAB_BLUE_FLOOR")),
            std::tuple(time, remaining, std::pair(1, 1)));
  EXPECT_EQ(cells_of("LAB_FLOOR"), std::pair(95, 0));
}

}  // namespace
}  // namespace orv
