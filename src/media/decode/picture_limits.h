// Checks shared by the picture decoders.
#pragma once

#include <bit>
#include <cstdint>

#include "media/decode/picture.h"

namespace orv::media {

// The decoders write pixels as the bytes B, G, R, A, which is 0xAARRGGBB only on a little-endian
// machine; every platform the game runs on is one.
static_assert(std::endian::native == std::endian::little, "pixel byte order assumes little endian");

// True when a picture of this size may be decoded. Every decoder asks before it allocates.
constexpr bool picture_size_allowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace orv::media
