// The mixer with the loudest shipped sounds: their worst pile-up stays under full scale, while a
// sound on its own is heard exactly as recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/files/paths.h"
#include "media/sound/mixer.h"
#include "media/sound/ogg_decode.h"

namespace orv::media {
namespace {

const std::string kShippedData = std::string(ORV_SHIPPED_DATA) + "/";

SoundData load(const std::string& name) {
  std::optional<Bytes> bytes = read_whole_file(kShippedData + name, std::size_t(64) << 20);
  std::optional<SoundData> sound = bytes ? decode_ogg(*bytes) : std::nullopt;
  return sound ? *sound : SoundData{};
}

bool quieter(std::int16_t a, std::int16_t b) {
  return std::abs(a) < std::abs(b);
}

std::size_t peak_index(const SoundData& sound) {
  return std::size_t(std::max_element(sound.samples.begin(), sound.samples.end(), quieter) -
                     sound.samples.begin());
}

// Everything rendered from the voices playing now onto silence.
std::vector<std::int16_t> render_all(Mixer& mixer, std::size_t frames) {
  std::vector<std::int16_t> out(frames * kAudioChannels, 0);
  mixer.render(out.data(), int(frames));
  return out;
}

TEST(MixerShippedSounds, LoudestSoundsWithTheirPeaksAlignedNeverReachFullScale) {
  const char* names[] = {"SFX/explosion.ogg", "SFX/fixed.ogg", "SFX/gem.ogg", "SFX/pinkfixed.ogg",
                         "MUSIC/game1.ogg"};
  std::vector<SoundData> sounds;
  for (const char* name : names) {
    sounds.push_back(load(name));
    ASSERT_GT(sounds.back().frames(), 0u) << name;
  }
  // Each sound starts so that its loudest sample lands on the same sample of the output, with
  // the same sign as all the others: the worst moment they can meet.
  std::size_t lead = SIZE_MAX;
  for (const SoundData& s : sounds) lead = std::min(lead, peak_index(s));
  lead -= lead % kAudioChannels;
  Mixer mixer;
  int raw_peak = 0;
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    SoundData& s = sounds[i];
    std::size_t peak = peak_index(s);
    std::size_t from = peak - lead - (peak - lead) % kAudioChannels;
    s.samples.erase(s.samples.begin(), s.samples.begin() + std::ptrdiff_t(from));
    if (s.samples[peak - from] < 0)
      for (std::int16_t& v : s.samples) v = std::int16_t(-std::max<int>(v, -32767));
    raw_peak += s.samples[peak - from];
    mixer.play(SoundId(i + 1), std::make_shared<const SoundData>(s), false);
  }
  EXPECT_GT(raw_peak, 32767);  // summed plainly they would clip
  std::vector<std::int16_t> out = render_all(mixer, sounds[0].frames());
  auto loudest = std::max_element(out.begin(), out.end(), quieter);
  EXPECT_LT(std::abs(*loudest), 32000);
  EXPECT_GT(std::abs(*loudest), 20000);
}

TEST(MixerShippedSounds, ASoundOnItsOwnPassesBitForBit) {
  for (const char* name : {"MUSIC/game2.ogg", "SFX/step.ogg", "SFX/gem.ogg"}) {
    SoundData sound = load(name);
    ASSERT_GT(sound.frames(), 0u) << name;
    Mixer mixer;
    mixer.play(SoundId(1), std::make_shared<const SoundData>(sound), false);
    EXPECT_TRUE(render_all(mixer, sound.frames()) == sound.samples) << name;
  }
}

}  // namespace
}  // namespace orv::media
