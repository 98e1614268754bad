// Upright quads stretched on either axis.
#pragma once

#include <cstddef>

#include "media/render/quad_paths.h"

namespace orv::media::detail {

// False, drawing nothing, when the quad is not upright.
bool draw_upright(const QuadDraw& d);

// An upright quad drawn as a copy of its samples, for a texture whose texels are expected to
// be opaque and unkeyed but have not been checked: they are checked as they are read.
// False when a texel read is not plain or the quad is not upright.
bool draw_upright_plain(Image& target, const TextureView& texture, const Quad& quad, Pixel key,
                        bool bilinear);

}  // namespace orv::media::detail

namespace orv::media {

// Scales the picture to fill width x height pixels whose rows lie stride pixels apart, with
// the bilinear filter of upright quads; the pixels are copied, alpha bytes included. On AVX2
// machines the rows go out with streaming stores, past the cache: meant for a surface that
// another process (the display server) reads next.
void stretch_bilinear(const TextureView& picture, Pixel* target, int width, int height,
                      std::ptrdiff_t stride);

}  // namespace orv::media
