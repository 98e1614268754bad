// The shared types of the software renderer: points, quads, blend factor pairs and views of
// texels. The renderer draws textured quads with Direct3D 7 style blending (draw_quad.h),
// boxes and copies of rectangles (rect.h), makes textures (texture.h) and encodes BMP files
// (bmp.h); all drawing goes into an Image used as the back buffer.
#pragma once

#include <array>
#include <cstddef>

#include "media/render/blend_factors.h"
#include "media/types.h"

namespace orv::media {

struct Point {
  float x = 0;
  float y = 0;
};

// Corners in drawing order: top-left, top-right, bottom-right, bottom-left (of the texture).
using Quad = std::array<Point, 4>;

// A pair of blend factor codes (see blend_factors.h); ordinary alpha blending by default.
struct Blend {
  int source = blend::kSourceAlpha;
  int destination = blend::kInverseSourceAlpha;
};

// Texels seen where they lie: rows `stride` pixels apart. A sprite grabbed from the back
// buffer can be such a window into the buffer it came from.
struct TextureView {
  const Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

}  // namespace orv::media
