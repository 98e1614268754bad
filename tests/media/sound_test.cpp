// The mixer, and loading, playing and freeing sounds with and without an audio device.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "media/platform_headless/headless_platform.h"
#include "media/sound/ogg_decode.h"
#include "support/files_temp_folder.h"
#include "support/ogg_writer.h"

namespace orv::media {
namespace {

// A sound whose frame i holds value + i * slope on both channels.
std::shared_ptr<const SoundData> ramp(int frames, int value, int slope = 1) {
  auto sound = std::make_shared<SoundData>();
  for (int i = 0; i < frames; ++i)
    sound->samples.insert(sound->samples.end(), 2, value + i * slope);
  return sound;
}

// The left channel of frames rendered onto silence.
std::vector<int> render_left(Mixer& mixer, int frames) {
  std::vector<std::int16_t> out(std::size_t(frames) * 2, 0);
  mixer.render(out.data(), frames);
  std::vector<int> left;
  for (int i = 0; i < frames; ++i) left.push_back(out[2 * i]);
  return left;
}

TEST(Mixer, LoopsWrapAcrossRendersWhereOneShotsLeave) {
  Mixer mixer;
  mixer.play(SoundId(1), ramp(3, 100), true);
  mixer.play(SoundId(2), ramp(2, 10), false);
  EXPECT_EQ(render_left(mixer, 4), (std::vector<int>{110, 112, 102, 100}));
  EXPECT_FALSE(mixer.playing(SoundId(2)));
  EXPECT_EQ(mixer.voice_count(), 1u);
  EXPECT_EQ(render_left(mixer, 4), (std::vector<int>{101, 102, 100, 101}));
  mixer.stop_all();
  mixer.play(SoundId(1), ramp(700, 0), false);  // longer than one pass of the mixer
  std::vector<int> left = render_left(mixer, 1000);
  EXPECT_EQ(std::pair(left[699], left[700]), std::pair(699, 0));
}

TEST(Mixer, QuietSumsAddExactlyToWhatIsThere) {
  Mixer mixer;
  mixer.play(SoundId(1), ramp(1, 12000, 0), false);
  mixer.play(SoundId(2), ramp(1, 9000, 0), false);
  mixer.play(SoundId(3), ramp(1, -1000, 0), false);
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{20000}));  // summed before bending
  mixer.play(SoundId(1), ramp(1, 15000, 0), false);
  std::vector<std::int16_t> out{5000, -5000};
  mixer.render(out.data(), 1);
  EXPECT_EQ(out, (std::vector<std::int16_t>{20000, 10000}));
}

TEST(Mixer, LoudSumsBendSmoothlySymmetricallyUnderFullScale) {
  Mixer mixer;
  for (int h = 1; h <= 5; ++h) mixer.play(SoundId(h), ramp(1100, 0, 29), false);  // up to 159355
  std::vector<int> left = render_left(mixer, 1100);
  for (int i = 0; i < 1100; ++i) {
    ASSERT_TRUE(left[i] == 5 * 29 * i || 5 * 29 * i > 20000) << i;  // exact up to the knee
    ASSERT_GE(left[i], left[std::max(i - 1, 0)]) << i;              // never folds back
    ASSERT_LT(left[i], 32000) << i;
  }
  EXPECT_GT(left.back(), 30000);
  EXPECT_LT(left[150] - left[149], 5 * 29);  // the slope has fallen above the knee
  for (int h = 1; h <= 5; ++h) mixer.play(SoundId(h), ramp(1, -32767, 0), false);
  mixer.play(SoundId(6), ramp(1, 30000, 0), false);
  const int negative = render_left(mixer, 1)[0];
  for (int h = 1; h <= 6; ++h) mixer.play(SoundId(h), ramp(1, h == 6 ? -30000 : 32767, 0), false);
  EXPECT_EQ(negative, -render_left(mixer, 1)[0]);
}

// Playing an owner's sound again restarts it; stopping ends only that owner's sound.
TEST(Mixer, EachOwnerHasOneVoice) {
  Mixer mixer;
  mixer.play(SoundId(1), ramp(10, 0), false);
  mixer.play(SoundId(2), ramp(10, 1000), true);
  render_left(mixer, 5);
  mixer.play(SoundId(1), ramp(10, 0), false);
  EXPECT_EQ(mixer.voice_count(), 2u);
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{1005}));
  mixer.stop(SoundId(2));
  mixer.stop(SoundId(7));
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{1}));
}

TEST(Mixer, NothingToPlayOrNowhereToRenderIsHarmless) {
  Mixer mixer;
  mixer.play(SoundId(1), ramp(10, 0), false);
  mixer.play(SoundId(1), nullptr, true);  // replaces the voice with nothing
  mixer.play(SoundId(2), std::make_shared<SoundData>(), true);
  EXPECT_EQ(mixer.voice_count(), 0u);
  mixer.play(SoundId(3), ramp(5, 1), true);
  mixer.render(nullptr, 10);
  std::int16_t untouched[2] = {7, 7};
  mixer.render(untouched, -3);
  EXPECT_EQ(untouched[0], 7);
}

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
};

// Silence before a sound plays and once Sound is gone (the audio callback outlives it).
TEST_F(SoundTest, TheDeviceHearsExactlyWhatPlays) {
  {
    Sound sound(platform_);
    ASSERT_TRUE(sound.init_sound());
    EXPECT_EQ(render(64), std::vector<std::int16_t>(2 * 64, 0));
    auto h = sound.load_sound(dir_.path() + "sfx\\tone.ogg");  // backslashes, other case
    sound.play_sound(h, true);
    std::vector<std::int16_t> out = render(64);
    std::optional<SoundData> expected = decode_ogg(tone_);
    ASSERT_TRUE(expected);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), expected->samples.begin()));
  }
  EXPECT_EQ(render(32), std::vector<std::int16_t>(2 * 32, 0));
}

// Handles follow their rules and starts are reported as with a device.
TEST_F(SoundTest, WithoutADeviceAllButTheOutputGoesOn) {
  platform_.set_audio_available(false);
  Sound sound(platform_);
  EXPECT_FALSE(sound.init_sound());
  EXPECT_EQ(sound.load_sound(dir_ / "Sfx/missing.ogg").value +
                sound.load_sound(dir_ / "Sfx/broken.ogg").value,
            0);
  auto a = sound.load_sound(dir_ / "Sfx/Tone.ogg");
  auto b = sound.load_sound(dir_ / "Sfx/Tone.ogg");
  ASSERT_TRUE(a && b && a != b);
  for (SoundId none : {SoundId(0), SoundId(b.value + 100)}) {
    sound.play_sound(none, true);
    sound.stop_sound(none);
    sound.free_sound(none);
    EXPECT_FALSE(sound.is_sound(none));
  }
  sound.play_sound(a, true);
  sound.play_sound(a, false);  // restarts the one voice
  sound.play_sound(b, true);
  EXPECT_EQ(sound.mixer().voice_count(), 2u);
  sound.stop_sound(a);
  sound.free_sound(b);
  EXPECT_FALSE(sound.mixer().playing(a) || sound.mixer().playing(b) || sound.is_sound(b));
  sound.play_sound(b, false);
  EXPECT_EQ(platform_.sound_starts().size(), 3u);  // none for the freed b
  EXPECT_TRUE(sound.is_sound(a));
}

}  // namespace
}  // namespace orv::media
