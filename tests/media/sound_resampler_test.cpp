#include "media/sound/stereo_resampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "media/platform.h"

namespace orv::media {
namespace {

// Feeds mono samples at rate in chunks of chunk frames and returns the stereo output.
std::vector<std::int16_t> resample(const std::vector<float>& mono, long rate, int chunk) {
  std::vector<std::int16_t> out;
  StereoResampler resampler(out, 1 << 20);
  EXPECT_TRUE(resampler.start(rate));
  for (std::size_t i = 0; i < mono.size(); i += chunk) {
    const float* channel = mono.data() + i;
    int n = int(std::min<std::size_t>(chunk, mono.size() - i));
    EXPECT_TRUE(resampler.add(&channel, 1, n));
  }
  EXPECT_TRUE(resampler.finish());
  return out;
}

TEST(SoundResampler, DoublingTheRateInterpolatesMidpointsAndHoldsTheLastFrame) {
  std::vector<std::int16_t> out = resample({0.0f, 0.5f, 1.0f}, kAudioRate / 2, 3);
  std::vector<std::int16_t> expected;
  for (float v : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.0f}) {
    expected.push_back(to_int16(v));
    expected.push_back(to_int16(v));
  }
  EXPECT_EQ(out, expected);
}

class SoundResamplerRate : public ::testing::TestWithParam<long> {};

TEST_P(SoundResamplerRate, ChunkingChangesNothingAndLengthFollowsTheRate) {
  std::vector<float> mono(5000);
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = float(std::sin(double(i) * 0.37));
  std::vector<std::int16_t> whole = resample(mono, GetParam(), int(mono.size()));
  for (int chunk : {1, 7, 1024}) EXPECT_EQ(resample(mono, GetParam(), chunk), whole) << chunk;
  auto expected = std::ceil(double(mono.size()) * kAudioRate / double(GetParam()));
  EXPECT_EQ(double(whole.size() / 2), expected);
  if (GetParam() == kAudioRate) {
    for (std::size_t i = 0; i < mono.size(); ++i) ASSERT_EQ(whole[2 * i], to_int16(mono[i]));
  }
}

INSTANTIATE_TEST_SUITE_P(SoundRates, SoundResamplerRate,
                         ::testing::Values(1000, 8000, 22050, 44100, 48000, 96000, 3000000));

TEST(SoundResampler, RefusesToGrowPastItsLimitAndToStartWithoutARate) {
  std::vector<std::int16_t> out;
  StereoResampler resampler(out, 10);
  EXPECT_FALSE(resampler.start(0));
  std::vector<float> mono(11, 0.5f);
  const float* channel = mono.data();
  EXPECT_FALSE(resampler.add(&channel, 1, 11));
  ASSERT_TRUE(resampler.start(kAudioRate));
  EXPECT_TRUE(resampler.add(&channel, 1, 10));
  EXPECT_FALSE(resampler.add(&channel, 1, 1) && resampler.finish());
  EXPECT_EQ(out.size(), 20u);
}

TEST(SoundResampler, FoldsChannelLayoutsToStereo) {
  // 5.1 puts the centre on both sides and drops the LFE; unknown layouts keep their first two.
  EXPECT_GT(stereo_weight(6, 1).left, 0);
  EXPECT_EQ(stereo_weight(6, 1).left, stereo_weight(6, 1).right);
  EXPECT_EQ(stereo_weight(6, 5).left + stereo_weight(6, 5).right, 0);
  EXPECT_GT(stereo_weight(3, 2).right, 0);
  EXPECT_GT(stereo_weight(12, 1).right, 0);
  EXPECT_EQ(stereo_weight(12, 2).left + stereo_weight(12, 2).right, 0);

  // Full scale on every channel of a 5.1 frame stays full scale and no louder.
  std::vector<std::int16_t> out;
  StereoResampler resampler(out, 10);
  ASSERT_TRUE(resampler.start(kAudioRate));
  float one = 1.0f;
  const float* channels[6] = {&one, &one, &one, &one, &one, &one};
  ASSERT_TRUE(resampler.add(channels, 6, 1) && resampler.finish());
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, 32767}));
}

TEST(SoundResampler, SamplesClampAndNanIsSilence) {
  EXPECT_EQ(to_int16(2.0f), 32767);
  EXPECT_EQ(to_int16(-2.0f), -32768);
  EXPECT_EQ(to_int16(std::numeric_limits<float>::infinity()), 32767);
  EXPECT_EQ(to_int16(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(to_int16(0.5f), 16384);
}

}  // namespace
}  // namespace orv::media
