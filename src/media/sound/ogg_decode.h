// OGG Vorbis decoding with a length limit of the caller's choice; decode_ogg uses
// kMaxSoundSeconds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "media/sound/sound_data.h"

namespace orv::media {

std::optional<SoundData> decode_ogg_with_limit(std::span<const std::uint8_t> data, int max_seconds);

}  // namespace orv::media
