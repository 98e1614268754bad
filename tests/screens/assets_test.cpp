#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/object_kinds.h"
#include "frame/game.h"
#include "levels/music.h"
#include "screens/assets.h"
#include "support/data_set.h"
#include "world/sounds.h"

namespace orv {
namespace {

class Assets : public ::testing::Test {
 protected:
  Assets() { test::use_data_set(t); }
  const SoundEntry* sound(const std::string& n) {
    for (const SoundEntry& s : g.assets.sounds)
      if (s.name == n) return &s;
    return nullptr;
  }
  // Sound handles started so far, in order.
  std::vector<media::Handle> started() {
    std::vector<media::Handle> h;
    for (const auto& s : t.platform.sound_starts()) h.push_back(s.sound);
    return h;
  }
  test::TestGame t;
  Game& g = t.game;
};

TEST_F(Assets, TileGraphicsAreFoundByTheirFileNameWithTheFirstOneWinning) {
  scan_tile_graphics(g);
  ASSERT_EQ(g.assets.tile_graphics.size(), 9u);
  auto it = g.assets.tile_graphic_index.find(g.world.names.intern("wall.png"));
  ASSERT_NE(it, g.assets.tile_graphic_index.end());
  const TileGraphic& wall = g.assets.tile_graphics[it->second];
  EXPECT_EQ(wall.path, g.config.topo_gfx + "wall.png");
  EXPECT_NE(wall.image, 0);
  EXPECT_EQ(wall.width, 8.0f);
  EXPECT_EQ(wall.height, 8.0f);
  // A second scan appends; lookups still find the entries of the first.
  scan_tile_graphics(g);
  EXPECT_EQ(g.assets.tile_graphics.size(), 18u);
  EXPECT_EQ(g.assets.tile_graphic_index.at(g.world.names.intern("wall.png")), it->second);
}

TEST_F(Assets, ABrokenPictureIsListedWithoutAnImageAndSubfoldersAreSkipped) {
  t.dir.write("DATA/TOPO/broken.png", "not a picture");
  t.dir.write("DATA/TOPO/inner/deep.png", "");
  scan_tile_graphics(g);
  EXPECT_EQ(g.assets.tile_graphics.size(), 10u);
  const TileGraphic& broken =
      g.assets.tile_graphics[g.assets.tile_graphic_index.at(g.world.names.intern("broken.png"))];
  EXPECT_EQ(broken.image, 0);
  EXPECT_EQ(broken.width, 0.0f);
  EXPECT_EQ(g.assets.tile_graphic_index.count(g.world.names.intern("deep.png")), 0u);
}

TEST_F(Assets, SoundsPlayByTheirExactName) {
  t.dir.write("DATA/SOUNDS/broken.ogg", "no sound");
  t.dir.write("DATA/SOUNDS/STEP.OGG", t.dir.read("DATA/SOUNDS/fixed.ogg"));
  scan_sounds(g);
  ASSERT_EQ(g.assets.sounds.size(), 5u);
  ASSERT_NE(sound("step.ogg"), nullptr);
  EXPECT_EQ(sound("step.ogg")->loaded, 1);
  EXPECT_EQ(sound("broken.ogg")->loaded, 0);
  EXPECT_EQ(sound("step.ogg")->path, g.config.sound_fx_path + "step.ogg");

  play_named_sound(g, "step.ogg", false);
  play_named_sound(g, "STEP.OGG", true);
  play_named_sound(g, "step", false);        // no extension: nothing
  play_named_sound(g, "broken.ogg", false);  // did not load: nothing
  play_named_sound(g, "", false);
  ASSERT_EQ(t.platform.sound_starts().size(), 2u);
  EXPECT_EQ(t.platform.sound_starts()[0].sound, sound("step.ogg")->sound);
  EXPECT_FALSE(t.platform.sound_starts()[0].loop);
  EXPECT_EQ(t.platform.sound_starts()[1].sound, sound("STEP.OGG")->sound);
  EXPECT_TRUE(t.platform.sound_starts()[1].loop);
}

TEST_F(Assets, AMissingFolderGivesEmptyLists) {
  g.config.sound_fx_path = t.dir.path() + "NOWHERE\\";
  g.config.ingame_music = t.dir.path() + "NOWHERE\\";
  g.config.egfx_path = t.dir.path() + "NOWHERE\\";
  scan_sounds(g);
  scan_music(g);
  scan_effect_sprites(g);
  EXPECT_TRUE(g.assets.sounds.empty());
  EXPECT_TRUE(g.assets.music.empty());
  EXPECT_TRUE(g.assets.effect_sprites.empty());
  play_named_sound(g, "step.ogg", false);
  EXPECT_TRUE(t.platform.sound_starts().empty());
}

TEST_F(Assets, MusicByNameRestartsAndAnUnknownNameStopsEverything) {
  scan_music(g);
  ASSERT_EQ(g.assets.music.size(), 3u);
  for (const SoundEntry& m : g.assets.music) EXPECT_EQ(m.sound, 0);  // listed, not loaded
  play_music(g, "menu.ogg");
  play_music(g, "menu.ogg");
  ASSERT_EQ(t.platform.sound_starts().size(), 2u);
  EXPECT_TRUE(t.platform.sound_starts()[1].loop);
  int loaded = 0;
  for (const SoundEntry& m : g.assets.music) {
    if (m.sound == 0) continue;
    ++loaded;
    EXPECT_EQ(m.name, "menu.ogg");
    EXPECT_EQ(m.playing, 1);
  }
  EXPECT_EQ(loaded, 1);  // the first load was freed before the second
  play_music(g, "MENU.OGG");
  for (const SoundEntry& m : g.assets.music) EXPECT_FALSE(g.media.sound.is_sound(m.sound));
  EXPECT_EQ(t.platform.sound_starts().size(), 2u);
}

TEST_F(Assets, ABrokenTrackIsSkippedForTheNextOfTheSameName) {
  scan_music(g);
  SoundEntry twin = g.assets.music[0];
  g.assets.music.insert(g.assets.music.begin(), SoundEntry{t.dir.path() + "none.ogg", twin.name});
  play_music(g, twin.name);
  ASSERT_EQ(t.platform.sound_starts().size(), 1u);
  EXPECT_EQ(g.assets.music[0].sound, 0);
  EXPECT_EQ(t.platform.sound_starts()[0].sound, g.assets.music[1].sound);
}

TEST_F(Assets, RandomMusicPicksFromTheListAndAnEmptyListPlaysNothing) {
  play_music(g, "");  // empty list: returns, plays nothing
  EXPECT_TRUE(t.platform.sound_starts().empty());
  scan_music(g);
  g.assets.music.resize(1);
  for (int i = 0; i < 5; ++i) play_music(g, "");
  ASSERT_EQ(t.platform.sound_starts().size(), 5u);
  scan_music(g);
  g.media.sys.random_seed(1);
  std::vector<int> picks(3);
  for (int i = 0; i < 300; ++i) {
    play_music(g, "");
    for (int k = 0; k < 3; ++k) picks[k] += g.assets.music[k].sound != 0;
  }
  // About 0.37, 0.33 and 0.30 of the picks; every track is reachable.
  EXPECT_EQ(picks[0] + picks[1] + picks[2], 300);
  for (int k = 0; k < 3; ++k) EXPECT_GT(picks[k], 50) << k;
}

TEST_F(Assets, DriftSpritesAreCountPlusOneCopiesInsideTheScreen) {
  g.config.egfx_max = 2;
  g.config.scre_gfx_max = 0;
  t.dir.write("DATA/EFFECTS/second.png", t.dir.read("DATA/EFFECTS/spark.png"));
  EXPECT_EQ(screen_sprite_list(g), nullptr);
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  EXPECT_EQ(screen_sprite_list(g), &g.assets.screen_sprites);
  ASSERT_EQ(g.assets.effect_sprites.size(), 6u);
  ASSERT_EQ(g.assets.screen_sprites.size(), 1u);
  std::vector<media::Handle> handles;
  for (const DriftSprite& d : g.assets.effect_sprites) {
    EXPECT_NE(d.sprite3d, 0);
    handles.push_back(d.sprite3d);
    EXPECT_GE(d.x, 0);
    EXPECT_LE(d.x, 640);
    EXPECT_LE(d.y, 480);
    EXPECT_GE(d.velocity_x, 1);
    EXPECT_LE(d.velocity_x, 6);
    EXPECT_GE(d.velocity_y, 1);
    EXPECT_LE(d.velocity_y, 6);
  }
  std::sort(handles.begin(), handles.end());
  EXPECT_EQ(std::unique(handles.begin(), handles.end()), handles.end());
  const DriftSprite& star = g.assets.screen_sprites[0];
  EXPECT_LE(star.x, 512);
  EXPECT_LE(star.y, 384);
  g.config.egfx_max = -1;
  scan_effect_sprites(g);
  EXPECT_TRUE(g.assets.effect_sprites.empty());
}

TEST_F(Assets, ClearCataloguesEmptiesSoundsObjectsAndKinds) {
  scan_sounds(g);
  load_object_kinds(g);
  ASSERT_FALSE(g.catalogue.kinds.empty());
  const media::Handle kind_sprite = g.catalogue.kinds[0].sprite;
  g.world.objects.push_back(PlacedObject{});
  g.levels.edges.push_back({1, 1, name::kLabWall});
  const media::Handle sound = g.assets.sounds[0].sound;
  clear_catalogues(g);
  EXPECT_TRUE(g.assets.sounds.empty());
  EXPECT_TRUE(g.world.objects.empty());
  EXPECT_TRUE(g.catalogue.kinds.empty());
  EXPECT_TRUE(g.levels.edges.empty());
  EXPECT_FALSE(g.media.sound.is_sound(sound));
  EXPECT_FALSE(g.media.gfx.is_sprite(kind_sprite));
}

}  // namespace
}  // namespace orv
