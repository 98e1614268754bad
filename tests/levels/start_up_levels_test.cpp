// Start-up and the main loop build levels from the test data set, as the real game does.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "frame/errors.h"
#include "frame/game.h"
#include "frame/start_up.h"
#include "support/data_set.h"
#include "support/world_test.h"

namespace orv {
namespace {

class StartUpLevels : public ::testing::Test {
 protected:
  StartUpLevels() {
    std::filesystem::copy(std::filesystem::path(ORV_FIXTURES) / "data" / "DATA",
                          t.dir.path() + "DATA", std::filesystem::copy_options::recursive);
  }
  // START (P) is let go before play, which would take it as the pause command.
  void start() {
    t.platform.hold_key(media::key::kP);
    start_up(g);
    t.platform.release_key(media::key::kP);
  }
  // Music plays looped, play sounds once.
  std::size_t music_starts() const {
    std::size_t n = 0;
    for (const auto& start : t.platform.sound_starts()) n += start.loop ? 1 : 0;
    return n;
  }
  const std::string& tile(int x, int y) {
    return g.world.names.text(g.world.grid.at(x, y).tile_name);
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(StartUpLevels, StartUpLoadsTheCataloguesAndBuildsFromTheBaseFile) {
  test::CurrentDirectory here(t.dir.path());
  start();
  EXPECT_EQ(std::tuple(g.assets.tile_graphics.size(), g.catalogue.kinds.size()),
            std::tuple(9u, 5u));
  EXPECT_EQ(std::tuple(g.levels.base_w, g.frame.built_level, g.world.grid.columns(), tile(0, 0)),
            std::tuple(24, 1, kLevelGridSize, "LAB_WALL"));
  EXPECT_NE(g.world.player.sprite3d, 0);
  EXPECT_EQ(music_starts(), 2u);  // the title menu's music, then the level's

  // The same level number builds nothing; a new one, or a restart, builds once.
  main_loop_turn(g);
  EXPECT_EQ(music_starts(), 2u);
  g.world.level = 2;
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(2, 3u));
  g.frame.built_level = -1;
  main_loop_turn(g);
  EXPECT_EQ(std::tuple(g.frame.built_level, music_starts()), std::tuple(2, 4u));
  t.platform.request_close();
  EXPECT_THROW(main_loop_turn(g), ProgramEnd);
}

TEST_F(StartUpLevels, WithoutGeneratedLevelsTheLevelFileIsLoadedOnce) {
  t.dir.write("DATA/ini.txt", t.dir.read("DATA/ini.txt") + "USESELFCREATEBASE\n0\n");
  test::CurrentDirectory here(t.dir.path());
  start();
  EXPECT_EQ(std::tuple(g.world.grid.columns(), tile(2, 2), g.world.grid.at(2, 2).alpha),
            std::tuple(kStartGridSize, "00255", 128));
  g.world.level = 5;
  main_loop_turn(g);
  EXPECT_EQ(g.world.level_transition_pending, 0);
  EXPECT_EQ(tile(2, 2), "00255");
}

}  // namespace
}  // namespace orv
