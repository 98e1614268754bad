// Sounds played by name and the one music track, on the lists the folder scans fill.
#include <gtest/gtest.h>

#include <tuple>

#include "game/game.h"
#include "screens/folder_scans.h"
#include "sound/music.h"
#include "sound/named_sounds.h"
#include "support/assets_fixture.h"

namespace orv {
namespace {

using test::Assets;

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
  EXPECT_EQ(std::tuple(starts[0].sound, starts[0].loop, starts[1].sound, starts[1].loop),
            std::tuple(sound("step.ogg").sound, false, sound("STEP.OGG").sound, true));
}

// Playing a track by name frees every other first, passing over one that does not decode; an
// unknown name (case counts) stops all music.
TEST_F(Assets, MusicByNameRestartsTheTrackOrStopsAllForAnUnknownName) {
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
    EXPECT_EQ(std::tuple(m.sound == starts[1].sound, bool(m.sound)), std::tuple(menu, menu));
  }
  play_music(g, "MENU.OGG");
  for (const SoundEntry& m : g.assets.music) EXPECT_FALSE(g.media.sound.is_sound(m.sound));
  EXPECT_EQ(starts.size(), 2u);
}

// An empty name picks a track, passing over the title's and the highscore's tracks unless the
// list holds nothing else; an empty list plays nothing.
TEST_F(Assets, RandomMusicPicksOnlyFromTheList) {
  play_music(g, "");
  EXPECT_TRUE(t.platform.sound_starts().empty());
  scan_music(g);
  ASSERT_EQ(g.assets.music[0].name, "level.ogg");
  for (int seed = 0; seed < 20; ++seed) {
    g.media.sys.random_seed(seed);
    play_music(g, "");
    EXPECT_TRUE(g.assets.music[0].sound) << seed;
  }
  g.assets.music.erase(g.assets.music.begin());
  play_music(g, "");
  EXPECT_TRUE(g.assets.music[0].sound || g.assets.music[1].sound);
}

}  // namespace
}  // namespace orv
