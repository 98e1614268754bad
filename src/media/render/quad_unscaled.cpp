// Upright quads exactly the size of their texture at whole-pixel positions: each texel lands
// on one pixel, so rows of texels go straight to the blender.
#include "media/render/quad_unscaled.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "media/render/quad_paths.h"

namespace orv::media::detail {

bool draw_unscaled(const QuadDraw& d) {
  const Quad& q = d.quad;
  const int w = d.texture.width;
  const int h = d.texture.height;
  const float x = q[0].x;
  const float y = q[0].y;
  if (x != std::floor(x) || y != std::floor(y)) return false;
  if (q[1].x - x != float(w) || q[1].y != y || q[2].x - x != float(w) || q[2].y - y != float(h) ||
      q[3].x != x || q[3].y - y != float(h)) {
    return false;
  }
  const std::int64_t left = std::int64_t(x);
  const std::int64_t top = std::int64_t(y);
  const std::int64_t x0 = std::max<std::int64_t>(left, 0);
  const std::int64_t x1 = std::min<std::int64_t>(left + w, d.target.width);
  const std::int64_t y0 = std::max<std::int64_t>(top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(top + h, d.target.height);
  if (x0 >= x1 || y0 >= y1) return true;
  Pixel* dst = &d.target.pixels[std::size_t(y0) * d.target.width + std::size_t(x0)];
  const Pixel* src = d.texture.pixels + (y0 - top) * d.texture.stride + (x0 - left);
  d.blend({dst, d.target.width, src, d.texture.stride, int(x1 - x0), int(y1 - y0)});
  return true;
}

}  // namespace orv::media::detail
