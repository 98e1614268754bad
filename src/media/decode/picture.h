// Picture decoders: PNG, JPEG, TIFF and TGA from bytes in memory into 0xAARRGGBB images.
// Every decoder returns nullopt for a corrupt, truncated or absurdly large picture; none of them
// aborts, hangs or allocates without bound.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "media/types.h"

namespace orv::media {

// Pictures larger than this on either side, or with more pixels in all, are refused.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(64) << 20;

// Chooses the decoder from the first bytes of the data (not from a file name).
std::optional<Image> decode_picture(std::span<const std::uint8_t> data);

}  // namespace orv::media
