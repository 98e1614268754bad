// The three ways a quad reaches the back buffer, from the cheapest: an unscaled upright copy,
// an upright stretch, and the general rotated or skewed quad.
#pragma once

#include "media/render/blend.h"
#include "media/render/render.h"

namespace orv::media::detail {

struct QuadDraw {
  Image& target;
  const TextureView& texture;
  const Quad& quad;
  const SpanBlender& blend;
  bool bilinear;
};

// Each returns false, drawing nothing, when the quad is not of its kind.
bool draw_unscaled(const QuadDraw& d);
bool draw_upright(const QuadDraw& d);
void draw_general(const QuadDraw& d);

}  // namespace orv::media::detail
