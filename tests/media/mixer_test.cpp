#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "media/sound/sound_data.h"

namespace orv::media {
namespace {

// A sound whose frame i holds value + i on both channels.
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

TEST(Mixer, LoopKeepsGoingAfterAOneShotEndsAndIsRemoved) {
  Mixer mixer;
  mixer.play(1, ramp(3, 100, 0), true);
  mixer.play(2, ramp(2, 10), false);
  EXPECT_EQ(render_left(mixer, 4), (std::vector<int>{110, 111, 100, 100}));
  EXPECT_FALSE(mixer.playing(2));
  EXPECT_TRUE(mixer.playing(1));
  EXPECT_EQ(mixer.voice_count(), 1u);
  EXPECT_EQ(render_left(mixer, 2), (std::vector<int>{100, 100}));
}

TEST(Mixer, LoopWrapsWithinAndAcrossRenders) {
  Mixer mixer;
  mixer.play(1, ramp(3, 0), true);
  EXPECT_EQ(render_left(mixer, 4), (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(render_left(mixer, 4), (std::vector<int>{1, 2, 0, 1}));
}

TEST(Mixer, SumsSaturateBothWaysAndAddToWhatIsThere) {
  Mixer mixer;
  mixer.play(1, ramp(1, 30000, 0), false);
  mixer.play(2, ramp(1, 30000, 0), false);
  mixer.play(3, ramp(1, -30000, 0), false);
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{30000}));  // summed before clamping

  mixer.play(1, ramp(1, -30000, 0), false);
  mixer.play(2, ramp(1, -30000, 0), false);
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{-32768}));

  mixer.play(1, ramp(1, 30000, 0), false);
  std::vector<std::int16_t> out{5000, -5000};
  mixer.render(out.data(), 1);
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, 25000}));
}

TEST(Mixer, PlayingAgainRestartsAndStopEndsOnlyThatOwner) {
  Mixer mixer;
  mixer.play(1, ramp(10, 0), false);
  mixer.play(2, ramp(10, 1000), true);
  render_left(mixer, 5);
  mixer.play(1, ramp(10, 0), false);
  EXPECT_EQ(mixer.voice_count(), 2u);
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{1005}));
  mixer.stop(2);
  mixer.stop(7);
  EXPECT_FALSE(mixer.playing(2));
  EXPECT_EQ(render_left(mixer, 1), (std::vector<int>{1}));
  mixer.stop_all();
  EXPECT_EQ(mixer.voice_count(), 0u);
}

TEST(Mixer, RendersSoundsLongerThanOnePass) {
  Mixer mixer;
  mixer.play(1, ramp(700, 0), false);
  std::vector<int> left = render_left(mixer, 1000);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(left[i], i < 700 ? i : 0) << i;
  EXPECT_EQ(mixer.voice_count(), 0u);
}

TEST(Mixer, NothingToPlayAndNowhereToRenderAreHarmless) {
  Mixer mixer;
  mixer.play(1, ramp(5, 1), true);
  mixer.play(1, nullptr, true);  // replaces the voice with nothing
  mixer.play(2, std::make_shared<SoundData>(), true);
  EXPECT_EQ(mixer.voice_count(), 0u);
  mixer.play(3, ramp(5, 1), true);
  mixer.render(nullptr, 10);
  std::int16_t untouched[2] = {7, 7};
  mixer.render(untouched, 0);
  mixer.render(untouched, -3);
  EXPECT_EQ(untouched[0], 7);
}

TEST(Mixer, GameThreadCanPlayAndStopWhileTheAudioThreadRenders) {
  Mixer mixer;
  std::atomic<bool> done{false};
  std::thread audio([&] {
    std::vector<std::int16_t> out(2 * 64);
    while (!done) mixer.render(out.data(), 64);
  });
  for (int i = 0; i < 2000; ++i) {
    mixer.play(i % 5, ramp(50 + i % 7, 1), i % 2 == 0);
    if (i % 3 == 0) mixer.stop((i + 1) % 5);
  }
  done = true;
  audio.join();
  EXPECT_LE(mixer.voice_count(), 5u);
}

}  // namespace
}  // namespace orv::media
