// The sounds and music tracks the screens start.
#include <functional>

#include "screens/highscore.h"
#include "screens/intro.h"
#include "screens/screen_test_support.h"
#include "screens/title_menu.h"
#include "support/ogg_writer.h"

namespace orv {
namespace {

class ScreenSoundTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    t.media.sound.init_sound();
    ogg_ = t.dir.write("tone.ogg", as_text(media::test::write_ogg({.seconds = 0.1})));
  }
  static std::string as_text(const media::Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

  // A loaded sound effect of the sound list.
  media::Handle add_sound(const std::string& name) {
    const media::Handle sound = t.media.sound.load_sound(ogg_);
    t.game.assets.sounds.push_back({ogg_, name, sound, 0, 1});
    return sound;
  }

  std::string ogg_;
};

TEST_F(ScreenSoundTest, TheIntroOpensPagesTwoAndThreeWithItsSounds) {
  t.game.config.quendral1 = "first.ogg";
  t.game.config.quendral = "second.ogg";
  add_sound("other.ogg");
  const media::Handle second = add_sound("second.ogg");
  const media::Handle first = add_sound("first.ogg");
  show_intro(t.game);
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 2u);
  // Played once each, after the first and the second page were shown.
  EXPECT_EQ(starts[0].sound, first);
  EXPECT_EQ(starts[0].frame, 1);
  EXPECT_EQ(starts[1].sound, second);
  EXPECT_EQ(starts[1].frame, 2);
  EXPECT_FALSE(starts[0].loop || starts[1].loop);
}

struct MusicCase {
  const char* track;
  void (*show)(Game&);
};

class ScreenMusicTest : public ScreenSoundTest, public ::testing::WithParamInterface<MusicCase> {};

TEST_P(ScreenMusicTest, TheScreenLoopsItsOwnTrack) {
  for (const char* name : {"game1.ogg", "menu.ogg", "score.ogg"}) {
    t.game.assets.music.push_back({ogg_, name, 0, 0, 0});
  }
  press_start_at(0);
  GetParam().show(t.game);
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_TRUE(starts[0].loop);
  for (const SoundEntry& track : t.game.assets.music) {
    EXPECT_EQ(track.playing, track.name == GetParam().track ? 1 : 0) << track.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenMusicTest,
                         ::testing::Values(MusicCase{"menu.ogg", show_title_menu},
                                           MusicCase{"score.ogg", show_highscore}));

}  // namespace
}  // namespace orv
