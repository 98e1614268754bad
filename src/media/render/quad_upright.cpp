// Upright quads of any size: texel columns and weights are worked out once per draw, then
// each row is a gather (nearest) or a vertical and a horizontal mix (bilinear).
#include "media/render/quad_upright.h"

#include <algorithm>
#include <cmath>

#include "media/render/quad_paths.h"
#include "media/render/raster.h"
#include "media/render/sample.h"
#include "media/render/scratch.h"

namespace orv::media::detail {
namespace {

constexpr double kMaxScale = 1e9;

struct Axis {
  int first, end;  // screen pixels covered, clipped
  double origin;   // screen position of texel 0
  double scale;    // texels per screen pixel
  int texels;      // texture size along this axis

  double texel_at(int pixel) const { return (pixel + 0.5 - origin) * scale; }
  int nearest(int pixel) const {
    return std::clamp(int(std::clamp(texel_at(pixel), 0.0, double(texels))), 0, texels - 1);
  }
  // Bilinear: the texel left of (or above) the sample point and the weight (0..255) of the
  // next one.
  int lower(int pixel, int& weight) const {
    double t = std::clamp(texel_at(pixel) - 0.5, 0.0, double(texels - 1));
    int i = int(t);
    weight = int((t - i) * 256.0 + 0.5);
    if (weight == 256) {
      weight = 0;
      i = std::min(i + 1, texels - 1);
    }
    return i;
  }
};

Axis make_axis(float start, float stop, int texels, int screen) {
  return {clamped_ceil(start - 0.5, 0, screen), clamped_ceil(stop - 0.5, 0, screen), start,
          texels / (double(stop) - start), texels};
}

void draw_nearest(const QuadDraw& d, const Axis& ax, const Axis& ay) {
  Scratch& s = Scratch::get();
  const int count = ax.end - ax.first;
  std::int32_t* index = sized(s.left, count);
  for (int i = 0; i < count; ++i) index[i] = ax.nearest(ax.first + i);
  Pixel* samples = sized(s.samples, count);
  for (int y = ay.first; y < ay.end; ++y) {
    const Pixel* row = d.texture.pixels + ay.nearest(y) * d.texture.stride;
    gather_texels(samples, row, index, count);
    d.blend(&d.target.pixels[std::size_t(y) * d.target.width + ax.first], samples, count);
  }
}

// The rows of a bilinear draw, each handed to emit(y, samples, count) once sampled.
template <class Emit>
void bilinear_rows(const TextureView& texture, const Axis& ax, const Axis& ay, Emit emit) {
  Scratch& s = Scratch::get();
  const int count = ax.end - ax.first;
  std::int32_t* left = sized(s.left, count);
  std::int32_t* weight = sized(s.weight, count);
  for (int i = 0; i < count; ++i) left[i] = ax.lower(ax.first + i, weight[i]);
  // Only the texture columns the row needs are mixed; copies of the last one pad the row for
  // the horizontal mix, which reads a little past each texel.
  const int first_col = left[0];
  const int last_col = std::min(left[count - 1] + 1, texture.width - 1);
  for (int i = 0; i < count; ++i) left[i] -= first_col;
  const int span = last_col - first_col + 1;
  Pixel* mixed = sized(s.mixed, std::size_t(span) + kMixPadding);
  Pixel* samples = sized(s.samples, count);
  for (int y = ay.first; y < ay.end; ++y) {
    int wv = 0;
    const int v0 = ay.lower(y, wv);
    const int v1 = std::min(v0 + 1, texture.height - 1);
    const Pixel* row0 = texture.pixels + v0 * texture.stride + first_col;
    const Pixel* row1 = texture.pixels + v1 * texture.stride + first_col;
    mix_rows(mixed, row0, row1, wv, span);
    std::fill(mixed + span, mixed + span + kMixPadding, mixed[span - 1]);
    mix_columns(samples, mixed, left, weight, count);
    emit(y, samples, count);
  }
}

void draw_bilinear(const QuadDraw& d, const Axis& ax, const Axis& ay) {
  bilinear_rows(d.texture, ax, ay, [&](int y, const Pixel* samples, int count) {
    d.blend(&d.target.pixels[std::size_t(y) * d.target.width + ax.first], samples, count);
  });
}

}  // namespace

bool draw_upright(const QuadDraw& d) {
  const Quad& q = d.quad;
  if (q[0].y != q[1].y || q[2].y != q[3].y || q[0].x != q[3].x || q[1].x != q[2].x) return false;
  if (!(q[1].x > q[0].x) || !(q[3].y > q[0].y)) return false;  // mirrored: general path
  const Axis ax = make_axis(q[0].x, q[1].x, d.texture.width, d.target.width);
  const Axis ay = make_axis(q[0].y, q[3].y, d.texture.height, d.target.height);
  if (ax.first >= ax.end || ay.first >= ay.end) return true;
  // A quad thinner than a billionth of a texel per pixel shows nothing worth sampling.
  if (!(ax.scale < kMaxScale) || !(ay.scale < kMaxScale)) return true;
  if (d.bilinear)
    draw_bilinear(d, ax, ay);
  else
    draw_nearest(d, ax, ay);
  return true;
}

}  // namespace orv::media::detail

namespace orv::media {

void stretch_bilinear(const TextureView& picture, Pixel* target, int width, int height,
                      std::ptrdiff_t stride) {
  using namespace detail;
  if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) return;
  const Axis ax = make_axis(0, float(width), picture.width, width);
  const Axis ay = make_axis(0, float(height), picture.height, height);
  bilinear_rows(picture, ax, ay, [&](int y, const Pixel* samples, int count) {
    std::copy(samples, samples + count, target + y * stride);
  });
}

}  // namespace orv::media
