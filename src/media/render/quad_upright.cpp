// Upright quads of any size: texel columns and weights are worked out once per draw, then
// each row is a gather (nearest) or a vertical and a horizontal mix (bilinear).
#include "media/render/quad_upright.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "media/render/avx2_stretch.h"
#include "media/render/quad_paths.h"
#include "media/render/raster.h"
#include "media/render/sample.h"
#include "media/render/scratch.h"
#include "media/render/texture.h"

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
  const PixelRange covered = pixels_covered(start, stop, screen);
  return {covered.first, covered.end, start, texels / (double(stop) - start), texels};
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

// The rows of a bilinear draw. The texel columns and weights of a screen row are worked out
// once; each screen row then mixes two texture rows vertically and the result horizontally.
class BilinearRows {
 public:
  BilinearRows(const TextureView& texture, const Axis& ax, const Axis& ay)
      : texture_(texture), ay_(ay), count_(ax.end - ax.first) {
    Scratch& s = Scratch::get();
    left_ = sized(s.left, count_);
    weight_ = sized(s.weight, count_);
    for (int i = 0; i < count_; ++i) left_[i] = ax.lower(ax.first + i, weight_[i]);
    // Only the texture columns the row needs are mixed; copies of the last one pad the row
    // for the horizontal mix, which reads a little past each texel.
    first_col_ = left_[0];
    const int last_col = std::min(left_[count_ - 1] + 1, texture.width - 1);
    for (int i = 0; i < count_; ++i) left_[i] -= first_col_;
    span_ = last_col - first_col_ + 1;
    mixed_ = sized(s.mixed, std::size_t(span_) + kMixPadding);
  }

  int count() const { return count_; }
  int span() const { return span_; }
  // The texture rows screen row y reads (v0 <= v1; both grow with y), and their weight.
  int rows_for(int y, int& v1, int& weight) const {
    const int v0 = ay_.lower(y, weight);
    v1 = std::min(v0 + 1, texture_.height - 1);
    return v0;
  }
  // The texels of texture row v that a screen row reads.
  const Pixel* texels(int v) const { return texture_.pixels + v * texture_.stride + first_col_; }

  // Works out the horizontal mix once for the many rows of a large stretch whose rows start
  // at out, where this machine has a cheaper way for them.
  void plan_columns(const Pixel* out) {
#if ORV_HAVE_AVX2_LOOPS
    if (!use_avx2()) return;
    // Screen columns before the first 32-byte boundary of out are mixed one by one.
    const int head =
        std::min(int(-reinterpret_cast<std::uintptr_t>(out) / sizeof(Pixel) % 8), count_);
    std::int32_t* plan =
        sized(Scratch::get().plan, std::size_t(count_ - head) / 8 * avx2::kPlanInts);
    const avx2::PlannedRow row{plan, left_, weight_, count_, head};
    if (avx2::plan_columns(plan, row)) planned_ = row;
#else
    (void)out;
#endif
  }

  // Ends a stretch of planned rows.
  void end_planned() {
#if ORV_HAVE_AVX2_LOOPS
    if (planned_) avx2::end_streaming();
#endif
  }

  // Writes the count() samples of screen row y to out.
  void sample(int y, Pixel* out) {
    int wv = 0, v1 = 0;
    const int v0 = rows_for(y, v1, wv);
    mix_rows(mixed_, texels(v0), texels(v1), wv, span_);
    std::fill(mixed_ + span_, mixed_ + span_ + kMixPadding, mixed_[span_ - 1]);
#if ORV_HAVE_AVX2_LOOPS
    if (planned_) return avx2::mix_planned_columns(out, mixed_, *planned_);
#endif
    mix_columns(out, mixed_, left_, weight_, count_);
  }

 private:
  const TextureView& texture_;
  const Axis& ay_;
  int count_;
  int first_col_ = 0, span_ = 0;
  std::int32_t* left_;
  std::int32_t* weight_;
  Pixel* mixed_ = nullptr;
#if ORV_HAVE_AVX2_LOOPS
  std::optional<avx2::PlannedRow> planned_;
#endif
};

void draw_bilinear(const QuadDraw& d, const Axis& ax, const Axis& ay) {
  BilinearRows rows(d.texture, ax, ay);
  Pixel* samples = sized(Scratch::get().samples, rows.count());
  for (int y = ay.first; y < ay.end; ++y) {
    rows.sample(y, samples);
    d.blend(&d.target.pixels[std::size_t(y) * d.target.width + ax.first], samples, rows.count());
  }
}

// Rows of a plain draw: samples go straight into the target, which they replace outright, as
// long as every texel read is opaque and unkeyed; each texture row is checked once, right
// before it is first mixed, while it is on its way into the cache anyway.
bool draw_bilinear_plain(Image& target, const TextureView& texture, const Axis& ax, const Axis& ay,
                         Pixel key) {
  BilinearRows rows(texture, ax, ay);
  int checked = -1;  // texture rows up to this one are known to be plain
  for (int y = ay.first; y < ay.end; ++y) {
    int v1 = 0, wv = 0;
    const int v0 = rows.rows_for(y, v1, wv);
    for (int v : {v0, v1}) {
      if (v <= checked) continue;
      if (!plain_texels(rows.texels(v), std::size_t(rows.span()), key)) return false;
      checked = v;
    }
    rows.sample(y, &target.pixels[std::size_t(y) * target.width + ax.first]);
  }
  return true;
}

bool draw_nearest_plain(Image& target, const TextureView& texture, const Axis& ax, const Axis& ay,
                        Pixel key) {
  const int count = ax.end - ax.first;
  std::int32_t* index = sized(Scratch::get().left, count);
  for (int i = 0; i < count; ++i) index[i] = ax.nearest(ax.first + i);
  for (int y = ay.first; y < ay.end; ++y) {
    Pixel* out = &target.pixels[std::size_t(y) * target.width + ax.first];
    gather_texels(out, texture.pixels + ay.nearest(y) * texture.stride, index, count);
    if (!plain_texels(out, std::size_t(count), key)) return false;
  }
  return true;
}

// The axes of an upright stretch; false for a quad that is not one (mirrored quads go the
// general way).
bool upright_axes(const Quad& q, const TextureView& texture, const Image& target, Axis& ax,
                  Axis& ay) {
  if (!is_upright(q)) return false;
  ax = make_axis(q[0].x, q[1].x, texture.width, target.width);
  ay = make_axis(q[0].y, q[3].y, texture.height, target.height);
  return true;
}

// Nothing to draw: no pixel centre covered, or thinner than a billionth of a texel per pixel.
bool draws_no_pixel(const Axis& ax, const Axis& ay) {
  return ax.first >= ax.end || ay.first >= ay.end || !(ax.scale < kMaxScale) ||
         !(ay.scale < kMaxScale);
}

}  // namespace

bool draw_upright(const QuadDraw& d) {
  Axis ax{}, ay{};
  if (!upright_axes(d.quad, d.texture, d.target, ax, ay)) return false;
  if (draws_no_pixel(ax, ay)) return true;
  if (d.bilinear)
    draw_bilinear(d, ax, ay);
  else
    draw_nearest(d, ax, ay);
  return true;
}

bool draw_upright_plain(Image& target, const TextureView& texture, const Quad& quad, Pixel key,
                        bool bilinear) {
  Axis ax{}, ay{};
  if (!upright_axes(quad, texture, target, ax, ay)) return false;
  if (draws_no_pixel(ax, ay)) return true;
  return bilinear ? draw_bilinear_plain(target, texture, ax, ay, key)
                  : draw_nearest_plain(target, texture, ax, ay, key);
}

}  // namespace orv::media::detail

namespace orv::media {

void stretch_bilinear(const TextureView& picture, Pixel* target, int width, int height,
                      std::ptrdiff_t stride) {
  using namespace detail;
  if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) return;
  const Axis ax = make_axis(0, float(width), picture.width, width);
  const Axis ay = make_axis(0, float(height), picture.height, height);
  BilinearRows rows(picture, ax, ay);
  rows.plan_columns(target);
  for (int y = ay.first; y < ay.end; ++y) rows.sample(y, target + y * stride);
  rows.end_planned();
}

}  // namespace orv::media
