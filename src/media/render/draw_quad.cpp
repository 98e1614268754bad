// Entry point of quad drawing: checks the input and picks the cheapest path that fits.
#include "media/render/draw_quad.h"

#include <cmath>

#include "media/render/quad_general.h"
#include "media/render/quad_paths.h"
#include "media/render/quad_unscaled.h"
#include "media/render/quad_upright.h"

namespace orv::media {
namespace {

// Far beyond any screen, but small enough that the set-up arithmetic stays finite.
constexpr float kMaxCoordinate = 1e12f;

bool usable(const Image& image) {
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
}

bool sane(const Quad& quad) {
  for (const Point& p : quad) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    if (std::fabs(p.x) > kMaxCoordinate || std::fabs(p.y) > kMaxCoordinate) return false;
  }
  return true;
}

}  // namespace

void draw_quad(Image& target, const TextureView& texture, const Quad& quad, int alpha, Blend blend,
               bool bilinear) {
  if (!usable(target) || texture.pixels == nullptr || texture.width <= 0 || texture.height <= 0 ||
      !sane(quad)) {
    return;
  }
  detail::SpanBlender blender(blend, alpha);
  if (blender.draws_nothing()) return;
  detail::QuadDraw d{target, texture, quad, blender, bilinear};
  if (detail::draw_unscaled(d) || detail::draw_upright(d)) return;
  detail::draw_general(d);
}

bool draw_quad_plain(Image& target, const TextureView& texture, const Quad& quad, Pixel key,
                     bool bilinear) {
  if (!usable(target) || texture.pixels == nullptr || texture.width <= 0 || texture.height <= 0 ||
      !sane(quad)) {
    return false;
  }
  return detail::draw_upright_plain(target, texture, quad, key, bilinear);
}

}  // namespace orv::media
