// Start-up and the main loop build levels from the test data set, as the real game does.
#include <gtest/gtest.h>

#include <filesystem>

#include "frame/game.h"
#include "frame/start_up.h"
#include "media/keys.h"
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
  // START held through start-up leaves the title menu at once; released before play, where it
  // would open the pause dialog.
  void start_up_past_title_menu() {
    t.platform.hold_key(media::key::kP, 0);
    start_up(g);
    t.platform.release_key(media::key::kP, t.platform.frame());
  }
  // Music loops; the world's sounds play once.
  std::size_t music_starts() const {
    std::size_t n = 0;
    for (const auto& start : t.platform.sound_starts()) n += start.loop ? 1 : 0;
    return n;
  }
  void set_self_create_base(const char* value) {
    std::string ini = t.dir.read("DATA/ini.txt");
    ini += "USESELFCREATEBASE\n" + std::string(value) + "\n";
    t.dir.write("DATA/ini.txt", ini);
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(StartUpLevels, StartUpLoadsTheCataloguesAndBuildsFromTheBaseFile) {
  test::CurrentDirectory here(t.dir.path());
  start_up_past_title_menu();
  const std::size_t menu_music = music_starts() - 1;
  EXPECT_EQ(g.assets.tile_graphics.size(), 9u);
  EXPECT_EQ(g.catalogue.kinds.size(), 5u);
  EXPECT_EQ(g.assets.sounds.size(), 3u);
  EXPECT_EQ(g.assets.music.size(), 3u);
  EXPECT_EQ(g.assets.effect_sprites.size(), 3u);  // EGFXMAX 2
  EXPECT_EQ(g.assets.screen_sprites.size(), 2u);  // SCREGFXMAX 1
  EXPECT_EQ(g.levels.base_w, 24);
  EXPECT_EQ(g.frame.built_level, 1);
  EXPECT_EQ(g.world.grid.columns(), kLevelGridSize);
  EXPECT_EQ(g.world.names.text(g.world.grid.at(0, 0).tile_name), "LAB_WALL");
  EXPECT_NE(g.world.player.sprite3d, 0);
  EXPECT_GT(g.world.remaining, 0);
  EXPECT_EQ(music_starts(), menu_music + 1);  // the level's music

  // The same level number builds nothing; a new one builds its labyrinth once.
  main_loop_turn(g);
  EXPECT_EQ(music_starts(), menu_music + 1);
  g.world.level = 2;
  main_loop_turn(g);
  EXPECT_EQ(g.frame.built_level, 2);
  EXPECT_EQ(music_starts(), menu_music + 2);
  g.frame.built_level = -1;  // the pause dialog's restart
  main_loop_turn(g);
  EXPECT_EQ(g.frame.built_level, 2);
  EXPECT_EQ(music_starts(), menu_music + 3);
}

TEST_F(StartUpLevels, WithoutGeneratedLevelsTheLevelFileIsLoadedOnce) {
  set_self_create_base("0");
  test::CurrentDirectory here(t.dir.path());
  start_up_past_title_menu();
  EXPECT_EQ(g.world.grid.columns(), kStartGridSize);
  EXPECT_EQ(g.world.names.text(g.world.grid.at(2, 2).tile_name), "00255");
  EXPECT_EQ(g.world.grid.at(2, 2).alpha, 128);
  g.world.level = 5;
  main_loop_turn(g);
  EXPECT_EQ(g.world.level_transition_pending, 0);
  EXPECT_EQ(g.world.names.text(g.world.grid.at(2, 2).tile_name), "00255");
}

}  // namespace
}  // namespace orv
