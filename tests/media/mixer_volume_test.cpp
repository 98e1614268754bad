// The mixer's group loudness: music (streamed tracks) and effects (decoded sounds) each at
// their own volume, a muted group silent bit for bit, and volume changes without clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "media/sound/mixer.h"
#include "media/sound/ogg_stream.h"
#include "support/files_temp_folder.h"
#include "support/ogg_writer.h"

namespace orv::media {
namespace {

// A decoded sine of the given amplitude and period (in frames), on both channels.
std::shared_ptr<const SoundData> sine(int frames, double amplitude, double period) {
  auto sound = std::make_shared<SoundData>();
  for (int i = 0; i < frames; ++i) {
    const auto v =
        std::int16_t(std::lround(amplitude * std::sin(2 * std::numbers::pi * i / period)));
    sound->samples.insert(sound->samples.end(), 2, v);
  }
  return sound;
}

std::vector<std::int16_t> render(Mixer& mixer, int frames) {
  std::vector<std::int16_t> out(std::size_t(frames) * 2, 0);
  mixer.render(out.data(), frames);
  return out;
}

// The largest difference between neighbouring frames of the left channel.
int largest_step(const std::vector<std::int16_t>& out) {
  int step = 0;
  for (std::size_t i = 2; i < out.size(); i += 2)
    step = std::max(step, std::abs(out[i] - out[i - 2]));
  return step;
}

class MixerVolume : public ::testing::Test {
 protected:
  void SetUp() override {
    const Bytes track = test::write_ogg(
        {.rate = 44100, .channels = 2, .seconds = 0.5, .frequency = 220.0, .amplitude = 0.2});
    folder_.write("track.ogg", std::string(track.begin(), track.end()));
  }
  // The track playing as music (looped) and a sine as an effect, on a fresh mixer.
  void start(Mixer& mixer) {
    mixer.play_stream(SoundId(1), OggStream::open(folder_ / "track.ogg"), true);
    mixer.play(SoundId(2), effect_, true);
  }

  testing::FilesTempFolder folder_;
  std::shared_ptr<const SoundData> effect_ = sine(44100, 3000.0, 100.0);
};

TEST_F(MixerVolume, AMutedGroupLeavesTheOtherUnchangedBitForBit) {
  Mixer both, music_only, effect_only;
  start(both);
  music_only.play_stream(SoundId(1), OggStream::open(folder_ / "track.ogg"), true);
  effect_only.play(SoundId(2), effect_, true);
  const auto music = render(music_only, 3000);
  const auto effect = render(effect_only, 3000);
  ASSERT_GT(largest_step(music), 0);

  for (const auto& [group, other] :
       {std::pair(SoundGroup::kMusic, effect), std::pair(SoundGroup::kEffects, music)}) {
    Mixer muted;
    muted.set_volume(group, 0);
    start(muted);
    EXPECT_EQ(render(muted, 3000), other);
  }

  // At full volume (the default) the mix is what it always was: the plain sum.
  const auto sum = render(both, 3000);
  for (std::size_t i = 0; i < sum.size(); ++i) ASSERT_EQ(sum[i], music[i] + effect[i]) << i;
}

TEST_F(MixerVolume, AMutedTrackPlaysOnSilentlyToBeHeardWhereItHasGotTo) {
  Mixer reference, muted;
  reference.play_stream(SoundId(1), OggStream::open(folder_ / "track.ogg"), true);
  muted.play_stream(SoundId(1), OggStream::open(folder_ / "track.ogg"), true);
  muted.set_volume(SoundGroup::kMusic, 0);
  render(reference, 2048);
  EXPECT_EQ(render(muted, 2048), std::vector<std::int16_t>(4096, 0));
  muted.set_volume(SoundGroup::kMusic, 10);
  render(reference, 256);
  render(muted, 256);  // the fade back in
  EXPECT_EQ(render(muted, 1024), render(reference, 1024));
}

// Settings are clamped to 0..10 and kept per group; each step down is quieter.
TEST_F(MixerVolume, EachGroupHasElevenOrderedVolumeSteps) {
  Mixer mixer;
  mixer.set_volume(SoundGroup::kEffects, 42);
  EXPECT_EQ(mixer.volume(SoundGroup::kEffects), 10);
  mixer.set_volume(SoundGroup::kEffects, -3);
  EXPECT_EQ(mixer.volume(SoundGroup::kEffects), 0);
  EXPECT_EQ(mixer.volume(SoundGroup::kMusic), 10);
  int louder = 1 << 30;
  for (int volume = 10; volume >= 1; --volume) {
    Mixer m;
    m.set_volume(SoundGroup::kEffects, volume);
    m.play(SoundId(2), effect_, true);
    render(m, 256);  // past the fade
    const auto out = render(m, 1000);
    const int peak = std::abs(*std::max_element(out.begin(), out.end()));
    EXPECT_LT(peak, louder) << volume;
    louder = peak;
  }
}

// A sudden jump of the gain would step the output by up to the signal's whole amplitude in
// one sample; the fade keeps every step within the signal's own (and a rounding's worth).
TEST_F(MixerVolume, ChangesInsideABlockFadeWithoutAClick) {
  Mixer reference;
  reference.play(SoundId(2), effect_, true);
  const int own_step = largest_step(render(reference, 4000));
  for (const int frames : {64, 100, 256, 1000}) {
    Mixer mixer;
    mixer.play(SoundId(2), effect_, true);
    std::vector<std::int16_t> out;
    for (const int volume : {10, 0, 10, 3, 8, 0, 10}) {
      mixer.set_volume(SoundGroup::kEffects, volume);
      const auto part = render(mixer, frames);
      out.insert(out.end(), part.begin(), part.end());
    }
    EXPECT_LE(largest_step(out), own_step + own_step / 50 + 2) << frames << " frames a call";
  }
}

}  // namespace
}  // namespace orv::media
