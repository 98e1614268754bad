#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/game.h"
#include "screens/folder_scans.h"
#include "sound/music.h"
#include "sound/named_sounds.h"
#include "support/data_set.h"

namespace orv {
namespace {

class Assets : public ::testing::Test {
 protected:
  Assets() { test::use_data_set(t); }
  const SoundEntry& sound(const std::string& n) {
    return *std::find_if(g.assets.sounds.begin(), g.assets.sounds.end(),
                         [&](const SoundEntry& s) { return s.name == n; });
  }
  const TileGraphic* tile_graphic(const char* n) {
    auto it = g.assets.tile_graphic_index.find(g.world.names.intern(n));
    return it == g.assets.tile_graphic_index.end() ? nullptr : &g.assets.tile_graphics[it->second];
  }
  test::TestGame t;
  Game& g = t.game;
};

// A broken picture is listed without an image; subfolders are skipped.
TEST_F(Assets, TileGraphicsAreFoundByTheirFileName) {
  t.dir.write("DATA/TOPO/broken.png", "not a picture");
  t.dir.write("DATA/TOPO/inner/deep.png", "");
  scan_tile_graphics(g);
  ASSERT_EQ(g.assets.tile_graphics.size(), 10u);
  const TileGraphic* wall = tile_graphic("wall.png");
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(g.media.gfx.sprite_width(wall->image), 8);
  EXPECT_EQ(tile_graphic("broken.png")->image, 0);
  EXPECT_EQ(tile_graphic("deep.png"), nullptr);
}

// Names match byte for byte: no case folding, no missing extension; unloaded sounds are mute.
TEST_F(Assets, SoundsPlayByTheirExactName) {
  t.dir.write("DATA/SOUNDS/broken.ogg", "no sound");
  t.dir.write("DATA/SOUNDS/STEP.OGG", t.dir.read("DATA/SOUNDS/fixed.ogg"));
  scan_sounds(g);
  ASSERT_EQ(g.assets.sounds.size(), 5u);
  EXPECT_EQ(std::tuple(sound("step.ogg").loaded, sound("broken.ogg").loaded), std::tuple(1, 0));
  for (const char* name : {"step.ogg", "step", "broken.ogg", ""}) play_named_sound(g, name, false);
  play_named_sound(g, "STEP.OGG", true);
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(std::tuple(starts[0].sound, starts[0].loop),
            std::tuple(sound("step.ogg").sound, false));
  EXPECT_EQ(std::tuple(starts[1].sound, starts[1].loop), std::tuple(sound("STEP.OGG").sound, true));
}

// Playing a track by name frees every other first, passing over one that does not decode; an
// unknown name (case counts) stops all music.
TEST_F(Assets, MusicByNameRestartsAndAnUnknownNameStopsEverything) {
  scan_music(g);
  ASSERT_EQ(g.assets.music.size(), 3u);
  g.assets.music.insert(g.assets.music.begin(), SoundEntry{t.dir.path() + "none.ogg", "menu.ogg"});
  play_music(g, "menu.ogg");
  play_music(g, "menu.ogg");
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_FALSE(g.media.sound.is_sound(starts[0].sound));  // at most one track held
  EXPECT_TRUE(starts[1].loop);
  for (const SoundEntry& m : g.assets.music) {
    const bool menu = m.name == "menu.ogg" && m.path != g.assets.music[0].path;
    EXPECT_EQ(std::tuple(m.sound == starts[1].sound, m.sound != 0), std::tuple(menu, menu));
  }
  play_music(g, "MENU.OGG");
  for (const SoundEntry& m : g.assets.music) EXPECT_FALSE(g.media.sound.is_sound(m.sound));
  EXPECT_EQ(starts.size(), 2u);
}

// An empty name picks a track, passing over the title's and the highscore's tracks unless the
// list holds nothing else; an empty list plays nothing.
TEST_F(Assets, RandomMusicPicksFromTheListAndAnEmptyListPlaysNothing) {
  play_music(g, "");
  EXPECT_TRUE(t.platform.sound_starts().empty());
  scan_music(g);
  ASSERT_EQ(g.assets.music[0].name, "level.ogg");
  for (int seed = 0; seed < 20; ++seed) {
    g.media.sys.random_seed(seed);
    play_music(g, "");
    EXPECT_NE(g.assets.music[0].sound, 0) << seed;
  }
  g.assets.music.erase(g.assets.music.begin());
  play_music(g, "");
  EXPECT_NE(g.assets.music[0].sound + g.assets.music[1].sound, 0);
}

// Count + 1 copies of every picture, moving 1 to 6 pixels a frame; a count of -1 loads none.
TEST_F(Assets, DriftSpritesAreCountPlusOneCopiesInsideTheScreen) {
  g.config.egfx_max = 2;
  g.config.scre_gfx_max = 0;
  t.dir.write("DATA/EFFECTS/second.png", t.dir.read("DATA/EFFECTS/spark.png"));
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  ASSERT_EQ(g.assets.effect_sprites.size(), 6u);
  ASSERT_EQ(g.assets.screen_sprites.size(), 1u);
  for (const DriftSprite& d : g.assets.effect_sprites)
    EXPECT_TRUE(d.velocity_x >= 1 && d.velocity_x <= 6 && d.velocity_y >= 1 && d.velocity_y <= 6);
  g.config.egfx_max = -1;
  scan_effect_sprites(g);
  EXPECT_TRUE(g.assets.effect_sprites.empty());
}

}  // namespace
}  // namespace orv
