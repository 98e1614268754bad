// Loading, playing and freeing sounds, with and without an audio device.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "media/files.h"
#include "media/platform_headless/headless_platform.h"
#include "support/files_temp_folder.h"
#include "support/ogg_writer.h"

namespace orv::media {
namespace {

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tone_ = test::write_ogg({.rate = 22050, .seconds = 0.1});
    dir_.write("Sfx/Tone.ogg", std::string(tone_.begin(), tone_.end()));
    dir_.write("Sfx/broken.ogg", std::string(300, 7));
  }
  std::vector<std::int16_t> render(int frames) {
    std::vector<std::int16_t> out(std::size_t(frames) * 2, 1234);
    platform_.render_audio(out.data(), frames);
    return out;
  }

  testing::FilesTempFolder dir_;
  Bytes tone_;
  HeadlessPlatform platform_;
  Files files_;
};

TEST_F(SoundTest, TheDeviceHearsWhatPlaysAndSilenceOtherwise) {
  Sound sound(platform_, files_);
  ASSERT_TRUE(sound.init_sound());
  EXPECT_EQ(render(64), std::vector<std::int16_t>(2 * 64, 0));
  Handle h = sound.load_sound(dir_.path() + "sfx\\tone.ogg");  // backslashes, other case
  sound.play_sound(h, false);
  std::vector<std::int16_t> out = render(64);
  std::optional<SoundData> expected = decode_ogg(tone_);
  ASSERT_TRUE(expected);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), expected->samples.begin()));
}

TEST_F(SoundTest, WithoutADeviceSoundsStillLoadAndStartsAreReported) {
  platform_.set_audio_available(false);
  Sound sound(platform_, files_);
  EXPECT_FALSE(sound.init_sound());
  Handle h = sound.load_sound(dir_ / "Sfx/Tone.ogg");
  ASSERT_TRUE(sound.is_sound(h));
  sound.play_sound(h, true);
  sound.play_sound(h, false);
  ASSERT_EQ(platform_.sound_starts().size(), 2u);
  EXPECT_TRUE(platform_.sound_starts()[0].loop);
  EXPECT_FALSE(platform_.sound_starts()[1].loop);
  EXPECT_EQ(sound.mixer().voice_count(), 1u);  // playing again restarts the one voice
}

TEST_F(SoundTest, HandlesFollowTheRules) {
  Sound sound(platform_, files_);
  for (const char* bad : {"Sfx/missing.ogg", "Sfx/broken.ogg", ""})
    EXPECT_EQ(sound.load_sound(dir_ / bad), 0) << bad;
  Handle a = sound.load_sound(dir_ / "Sfx/Tone.ogg");
  Handle b = sound.load_sound(dir_ / "Sfx/Tone.ogg");
  ASSERT_NE(a, 0);
  EXPECT_NE(a, b);
  for (Handle none : {0, -1, b + 100}) {
    sound.play_sound(none, true);
    sound.stop_sound(none);
    sound.free_sound(none);
    EXPECT_FALSE(sound.is_sound(none));
  }
  EXPECT_TRUE(platform_.sound_starts().empty());
  sound.play_sound(a, true);
  sound.play_sound(b, true);
  sound.stop_sound(a);
  sound.free_sound(b);
  EXPECT_FALSE(sound.mixer().playing(a) || sound.mixer().playing(b) || sound.is_sound(b));
  sound.play_sound(b, false);
  EXPECT_EQ(platform_.sound_starts().size(), 2u);
  EXPECT_TRUE(sound.is_sound(a));
}

TEST_F(SoundTest, TheAudioCallbackOutlivesSound) {
  {
    Sound sound(platform_, files_);
    ASSERT_TRUE(sound.init_sound());
    sound.play_sound(sound.load_sound(dir_ / "Sfx/Tone.ogg"), true);
  }
  EXPECT_EQ(render(32), std::vector<std::int16_t>(2 * 32, 0));
}

}  // namespace
}  // namespace orv::media
