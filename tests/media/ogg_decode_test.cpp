// OGG Vorbis decoding to stereo at the output rate, and the resampler underneath.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "media/sound/ogg_decode.h"
#include "media/sound/stereo_resampler.h"
#include "support/ogg_writer.h"

namespace orv::media {
namespace {

using test::Tone;
using test::write_ogg;

double rms(const SoundData& sound, int channel) {
  double sum = 0;
  for (std::size_t i = 0; i < sound.frames(); ++i)
    sum += std::pow(sound.samples[2 * i + channel], 2);
  return std::sqrt(sum / double(sound.frames()));
}

TEST(OggDecode, TonesBecomeStereoAtTheOutputRateKeepingTheirShape) {
  for (const Tone& tone :
       {Tone{.rate = 22050, .channels = 1}, Tone{.rate = 48000, .channels = 2, .seconds = 0.5}}) {
    SCOPED_TRACE(tone.rate);
    std::optional<SoundData> sound = decode_ogg(write_ogg(tone));
    ASSERT_TRUE(sound);
    EXPECT_NEAR(double(sound->frames()), tone.seconds * kAudioRate, 1);
    int crossings = 0;  // about two per period
    for (std::size_t i = 1; i < sound->frames(); ++i)
      crossings += (sound->samples[2 * i] >= 0) != (sound->samples[2 * i - 2] >= 0);
    EXPECT_NEAR(crossings, 2 * tone.frequency * tone.seconds, 4);
    EXPECT_NEAR(rms(*sound, 0), tone.amplitude * 32767 / std::sqrt(2.0), 600);
    if (tone.channels == 1) {
      for (std::size_t i = 0; i < sound->frames(); ++i)
        ASSERT_EQ(sound->samples[2 * i], sound->samples[2 * i + 1]) << i;
    } else {
      EXPECT_NEAR(rms(*sound, 1) / rms(*sound, 0), 0.5, 0.05);
    }
  }
}

TEST(OggDecode, ChainedLinksWithDifferentRatesFollowEachOther) {
  Bytes file = write_ogg({.rate = 22050, .channels = 1, .seconds = 0.5, .serial = 1});
  Bytes second = write_ogg({.rate = 48000, .channels = 2, .seconds = 0.25, .serial = 2});
  file.insert(file.end(), second.begin(), second.end());
  std::optional<SoundData> sound = decode_ogg(file);
  ASSERT_TRUE(sound);
  EXPECT_NEAR(double(sound->frames()), 0.75 * kAudioRate, 2);
}

TEST(OggDecode, RefusesWhatIsNoVorbisOrTooLong) {
  const Bytes file = write_ogg({.rate = 22050, .seconds = 2.0});
  EXPECT_FALSE(decode_ogg({}));
  EXPECT_FALSE(decode_ogg(Bytes(5000, 0x4f)));
  EXPECT_FALSE(decode_ogg(std::span(file).first(200)));  // cut inside the headers
  EXPECT_FALSE(decode_ogg_with_limit(file, 1));
  EXPECT_TRUE(decode_ogg_with_limit(file, 2));
}

TEST(OggDecode, CutOrDamagedFilesNeverYieldMoreSound) {
  const Bytes file = write_ogg({.rate = 22050, .seconds = 0.5});
  for (std::size_t at = 0; at < file.size(); at += 97) {
    std::optional<SoundData> cut = decode_ogg(std::span(file).first(at));
    Bytes damaged = file;
    damaged[at] ^= 0x5a;
    std::optional<SoundData> sound = decode_ogg(damaged);
    EXPECT_LE(cut ? cut->frames() : 0, std::size_t(kAudioRate / 2)) << at;
    EXPECT_LE(sound ? sound->frames() : 0, std::size_t(kAudioRate / 2)) << at;
  }
}

// Feeds mono samples at rate in chunks of chunk frames and returns the stereo output.
std::vector<std::int16_t> resample(const std::vector<float>& mono, long rate, int chunk) {
  std::vector<std::int16_t> out;
  StereoResampler resampler(out, 1 << 20);
  EXPECT_TRUE(resampler.start(rate));
  for (std::size_t i = 0; i < mono.size(); i += chunk) {
    const float* channel = mono.data() + i;
    EXPECT_TRUE(resampler.add(&channel, 1, int(std::min<std::size_t>(chunk, mono.size() - i))));
  }
  EXPECT_TRUE(resampler.finish());
  return out;
}

TEST(SoundResampler, InterpolatesAcrossChunksUpToAHeldLastFrame) {
  std::vector<std::int16_t> expected;  // doubling the rate: midpoints, the last frame held
  for (float v : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.0f})
    expected.insert(expected.end(), 2, to_int16(v));
  EXPECT_EQ(resample({0.0f, 0.5f, 1.0f}, kAudioRate / 2, 1), expected);
  std::vector<float> mono(5000);
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = float(std::sin(double(i) * 0.37));
  EXPECT_EQ(resample(mono, 22050, 7), resample(mono, 22050, 5000));
}

TEST(SoundResampler, FoldsChannelLayoutsToClampedStereo) {
  // 5.1 drops the LFE; unknown layouts keep their first two channels.
  EXPECT_EQ(stereo_weight(6, 5).left + stereo_weight(12, 2).right, 0);
  // Full scale on every channel of a 5.1 frame stays full scale and no louder.
  std::vector<std::int16_t> out;
  StereoResampler resampler(out, 10);
  ASSERT_TRUE(resampler.start(kAudioRate));
  float one = 1.0f;
  const float* channels[6] = {&one, &one, &one, &one, &one, &one};
  ASSERT_TRUE(resampler.add(channels, 6, 1) && resampler.finish());
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, 32767}));
  const float inf = std::numeric_limits<float>::infinity();
  for (auto [in, expected] :
       {std::pair(-2.0f, -32768), std::pair(inf, 32767),
        std::pair(std::numeric_limits<float>::quiet_NaN(), 0), std::pair(0.5f, 16384)})
    EXPECT_EQ(to_int16(in), expected) << in;
}

}  // namespace
}  // namespace orv::media
