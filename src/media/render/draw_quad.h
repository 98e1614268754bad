// Drawing a textured quad onto the back buffer.
#pragma once

#include "media/render/render.h"
#include "media/render/texture.h"
#include "media/types.h"

namespace orv::media {

// Draws a texture onto the target as the given quad. alpha (0..255) multiplies the texture's
// alpha. Texels whose resulting alpha is 0 are not drawn. bilinear selects filtering for scaled
// or rotated quads.
void draw_quad(Image& target, const TextureView& texture, const Quad& quad, int alpha, Blend blend,
               bool bilinear);
// draw_quad at full opacity with alpha blending, for a texture expected to be plain (every
// texel opaque, none of the key colour, 0x00RRGGBB) but not checked: the texels are checked
// as they are read, and the samples of a plain texture simply replace the pixels they cover.
// False when a texel read was not plain or the quad is not upright; the pixels the quad covers
// are then undefined.
bool draw_quad_plain(Image& target, const TextureView& texture, const Quad& quad, Pixel key,
                     bool bilinear);

inline void draw_quad(Image& target, const Image& texture, const Quad& quad, int alpha, Blend blend,
                      bool bilinear) {
  draw_quad(target, view_of(texture), quad, alpha, blend, bilinear);
}

}  // namespace orv::media
