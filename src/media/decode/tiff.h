// The TIFF decoder (see picture.h for what every decoder promises).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "media/types.h"

namespace orv::media {

std::optional<Image> decode_tiff(std::span<const std::uint8_t> data);

}  // namespace orv::media
