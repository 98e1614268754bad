// Decoded sound: interleaved stereo samples at the output rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/platform.h"

namespace orv::media {

// Interleaved stereo 16-bit samples at kAudioRate, whatever the source rate and channels were.
struct SoundData {
  std::vector<std::int16_t> samples;
  std::size_t frames() const { return samples.size() / kAudioChannels; }
};

}  // namespace orv::media
