// Upright quads stretched on either axis.
#pragma once

#include <cstddef>

#include "media/render/quad_paths.h"

namespace orv::media::detail {

// False, drawing nothing, when the quad is not upright.
bool draw_upright(const QuadDraw& d);

}  // namespace orv::media::detail

namespace orv::media {

// Scales the picture to fill width x height pixels whose rows lie stride pixels apart, with
// the bilinear filter of upright quads; the pixels are copied, alpha bytes included.
void stretch_bilinear(const TextureView& picture, Pixel* target, int width, int height,
                      std::ptrdiff_t stride);

}  // namespace orv::media
