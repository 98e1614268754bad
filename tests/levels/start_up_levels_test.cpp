// Start-up and the main loop build levels from the test data set, as the real game does.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/world_fixture.h"

namespace orv {
namespace {

class StartUpLevels : public ::testing::Test {
 protected:
  StartUpLevels() {
    std::filesystem::copy(std::filesystem::path(ORV_FIXTURES) / "data" / "DATA",
                          t.dir.path() + "DATA", std::filesystem::copy_options::recursive);
  }
  // START (P) leaves the title menu; held on, it does nothing more.
  void start() {
    t.platform.hold_key(media::key::kP, 0);
    start_up(g);
  }
  // Music plays looped, play sounds once.
  std::size_t music_starts() const {
    std::size_t n = 0;
    for (const auto& start : t.platform.sound_starts()) n += start.loop ? 1 : 0;
    return n;
  }
  const std::string& tile(int x, int y) { return g.world.names.text(g.world.grid.tile_name(x, y)); }
  test::TestGame t;
  Game& g = t.game;
  test::CurrentDirectory here{t.dir.path()};
};

// Start-up builds from the base file (its error and the player's sprite); the first game then
// gets its level 1 built by the main loop, as every later game does.
TEST_F(StartUpLevels, TheFirstGameBuildsItsLevelAfreshAfterTheBaseFile) {
  start();
  EXPECT_EQ(std::tuple(g.assets.tile_graphics.size(), g.catalogue.kinds.size()),
            std::tuple(9u, 5u));
  EXPECT_EQ(std::tuple(g.levels.base_w, g.frame.built_level, g.world.grid.columns(), tile(0, 0)),
            std::tuple(24, -1, kLevelGridSize, "LAB_WALL"));
  EXPECT_TRUE(g.world.player.sprite3d);
  EXPECT_EQ(music_starts(), 2u);  // the title menu's music, then the base level's

  // The first turn builds level 1; the same number then builds nothing; a new one, or a
  // restart, builds once.
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(1, 3u));
  main_loop_turn(g);
  EXPECT_EQ(music_starts(), 3u);
  g.world.level = 2;
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(2, 4u));
  g.frame.built_level = -1;
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(2, 5u));
  t.platform.request_close();
  EXPECT_THROW(main_loop_turn(g), ProgramEnd);
}

// Without generated levels start-up loads the level file onto the start-up grid, with the
// player's sprite; the main loop loads it again for the first game and after a completed level,
// but Page Up or Page Down only change the number shown.
TEST_F(StartUpLevels, WithoutGeneratedLevelsTheLevelFileIsLoadedForEveryLevel) {
  t.dir.write("DATA/ini.txt", t.dir.read("DATA/ini.txt") + "USESELFCREATEBASE\n0\n");
  start();
  EXPECT_EQ(std::tuple(g.world.grid.columns(), tile(2, 2), g.world.grid.at(2, 2).alpha),
            std::tuple(kStartGridSize, "00255", 128));
  EXPECT_TRUE(g.world.player.sprite3d);
  t.dir.write("DATA/LEVELS/LAB.ai42", t.dir.read("DATA/ROOMS/LAB.ai42"));
  t.dir.write("DATA/LEVELS/LAB.red", t.dir.read("DATA/ROOMS/LAB.red"));
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, tile(2, 2), music_starts()),
            std::tuple(1, "LAB_FLOOR", 2u));
  g.world.level = 5;
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(5, 2u));
  g.world.remaining = 0;
  main_loop_turn(g);  // completes the level
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(6, 3u));
  EXPECT_GT(g.world.time, 0);
}

// A level file with no open cell has nothing to fix: it completes once, is loaded once more for
// the next level and then stays, its clock running (down to the highscore screen), instead of
// completing and loading again on every frame.
TEST_F(StartUpLevels, ALevelFileWithNothingToFixCompletesOnlyOnce) {
  t.dir.write("DATA/ini.txt", t.dir.read("DATA/ini.txt") + "USESELFCREATEBASE\n0\n");
  std::string walls = "ORVANTE ROOM\n1\n1\n0\n0\n";
  for (int cell = 0; cell < 4; ++cell) walls += "255\n0\n0\n";
  t.dir.write("DATA/LEVELS/LAB.ai42", walls);
  start();
  const std::size_t before = music_starts();
  for (int frame = 0; frame < 10; ++frame) main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.world.level, g.frame.built_level, g.world.remaining, music_starts()),
            std::tuple(2, 2, 0, before + 2));
  ASSERT_GT(g.frame.time_unit_length, 20);
  for (int frame = 0; frame < 10; ++frame) main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.world.level, music_starts(), g.world.time), std::tuple(2, before + 2, 0));
  EXPECT_GT(g.frame.frame_counter, 10);  // the clock runs
}

}  // namespace
}  // namespace orv
