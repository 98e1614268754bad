// What each of the three ways a quad reaches the back buffer works on. From the cheapest: an
// unscaled upright copy (quad_unscaled.h), an upright stretch (quad_upright.h) and the general
// rotated or skewed quad (quad_general.h).
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

}  // namespace orv::media::detail
