// OGG Vorbis decoding from memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "media/sound/sound_data.h"

namespace orv::media {

// Decodes an OGG Vorbis file held in memory; nullopt when it is not a readable one.
// Sounds longer than kMaxSoundSeconds are refused.
constexpr int kMaxSoundSeconds = 60 * 10;
std::optional<SoundData> decode_ogg(std::span<const std::uint8_t> data);
// The same with a length limit of the caller's choice.
std::optional<SoundData> decode_ogg_with_limit(std::span<const std::uint8_t> data, int max_seconds);

}  // namespace orv::media
