#include <gtest/gtest.h>

#include <cmath>

#include "media/sound/ogg_decode.h"
#include "support/ogg_writer.h"

namespace orv::media {
namespace test {

void PrintTo(const Tone& tone, std::ostream* os) {
  *os << tone.channels << " channels at " << tone.rate << " Hz for " << tone.seconds << " s";
}

}  // namespace test
namespace {

using test::Tone;
using test::write_ogg;

double rms(const SoundData& sound, int channel) {
  double sum = 0;
  for (std::size_t i = 0; i < sound.frames(); ++i) {
    double v = sound.samples[2 * i + channel];
    sum += v * v;
  }
  return std::sqrt(sum / double(sound.frames()));
}

// Sign changes of the left channel, about two per period of a sine tone.
int zero_crossings(const SoundData& sound) {
  int count = 0;
  for (std::size_t i = 1; i < sound.frames(); ++i)
    if ((sound.samples[2 * i] >= 0) != (sound.samples[2 * i - 2] >= 0)) ++count;
  return count;
}

class OggDecodeTone : public ::testing::TestWithParam<Tone> {};

TEST_P(OggDecodeTone, BecomesStereoAtTheOutputRateWithLengthPitchAndChannelsKept) {
  const Tone& tone = GetParam();
  std::optional<SoundData> sound = decode_ogg(write_ogg(tone));
  ASSERT_TRUE(sound);
  EXPECT_NEAR(double(sound->frames()), tone.seconds * kAudioRate, 1);
  EXPECT_NEAR(zero_crossings(*sound), 2 * tone.frequency * tone.seconds, 4);
  EXPECT_NEAR(rms(*sound, 0), tone.amplitude * 32767 / std::sqrt(2.0), 600);
  if (tone.channels == 1) {
    for (std::size_t i = 0; i < sound->frames(); ++i)
      ASSERT_EQ(sound->samples[2 * i], sound->samples[2 * i + 1]) << i;
  } else {
    EXPECT_NEAR(rms(*sound, 1) / rms(*sound, 0), 0.5, 0.05);
  }
}

INSTANTIATE_TEST_SUITE_P(OggRates, OggDecodeTone,
                         ::testing::Values(Tone{.rate = 22050, .channels = 1},
                                           Tone{.rate = 44100, .channels = 2},
                                           Tone{.rate = 48000, .channels = 2, .seconds = 0.5}));

TEST(OggDecode, ChainedLinksWithDifferentRatesFollowEachOther) {
  Bytes file = write_ogg({.rate = 22050, .channels = 1, .seconds = 0.5, .serial = 1});
  Bytes second = write_ogg({.rate = 48000, .channels = 2, .seconds = 0.25, .serial = 2});
  file.insert(file.end(), second.begin(), second.end());
  std::optional<SoundData> sound = decode_ogg(file);
  ASSERT_TRUE(sound);
  EXPECT_NEAR(double(sound->frames()), 0.75 * kAudioRate, 2);
}

TEST(OggDecode, RefusesWhatIsNoVorbisAndWhatIsTooLong) {
  Bytes file = write_ogg({.rate = 22050, .seconds = 2.0});
  EXPECT_FALSE(decode_ogg({}));
  EXPECT_FALSE(decode_ogg(Bytes(5000, 0x4f)));
  EXPECT_FALSE(decode_ogg(std::span(file).first(200)));  // cut inside the headers
  EXPECT_FALSE(decode_ogg_with_limit(file, 1));
  EXPECT_TRUE(decode_ogg_with_limit(file, 2));
}

TEST(OggDecode, DamagedFilesNeverYieldMoreThanTheirLength) {
  Bytes file = write_ogg({.rate = 22050, .seconds = 0.5});
  for (std::size_t cut = 0; cut < file.size(); cut += 211) {
    std::optional<SoundData> sound = decode_ogg(std::span(file).first(cut));
    EXPECT_LE(sound ? sound->frames() : 0, std::size_t(kAudioRate / 2)) << cut;
  }
  for (std::size_t at = 0; at < file.size(); at += 97) {
    Bytes damaged = file;
    damaged[at] ^= 0x5a;
    std::optional<SoundData> sound = decode_ogg(damaged);
    EXPECT_LE(sound ? sound->frames() : 0, std::size_t(kAudioRate / 2)) << at;
  }
}

}  // namespace
}  // namespace orv::media
