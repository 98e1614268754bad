// Encoding pictures as BMP files (screenshots).
#pragma once

#include "media/types.h"

namespace orv::media {

// An uncompressed 24-bit BMP: bottom-up rows, each padded to a multiple of 4 bytes.
Bytes encode_bmp24(const Image& image);

}  // namespace orv::media
