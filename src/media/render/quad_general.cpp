// Rotated, mirrored or skewed quads: scan conversion of a parallelogram (or of two triangles
// for any other shape) with an affine texture walk along each row.
#include "media/render/quad_general.h"

#include <algorithm>
#include <cmath>

#include "media/render/quad_paths.h"
#include "media/render/raster.h"
#include "media/render/sample.h"
#include "media/render/scratch.h"

namespace orv::media::detail {
namespace {

// Corners that miss a parallelogram by less than this are drawn as one.
constexpr float kParallelogramSlack = 1e-3f;

bool is_parallelogram(const Quad& q) {
  return std::fabs(q[0].x + q[2].x - q[1].x - q[3].x) <= kParallelogramSlack &&
         std::fabs(q[0].y + q[2].y - q[1].y - q[3].y) <= kParallelogramSlack;
}

bool finite_walk(const TexelWalk& w) {
  return std::isfinite(w.u) && std::isfinite(w.v) && std::isfinite(w.du) && std::isfinite(w.dv);
}

void fill_polygon(const QuadDraw& d, const Point* corners, int count, const Affine& map) {
  ConvexSpans spans;
  if (!spans.setup(corners, count)) return;
  const TexelGrid grid{d.texture.pixels, d.texture.width, d.texture.height, d.texture.stride};
  Pixel* samples = sized(Scratch::get().samples, d.target.width);
  const int end = spans.end_row(d.target.height);
  for (int y = spans.first_row(d.target.height); y < end; ++y) {
    int x0 = 0, x1 = 0;
    if (!spans.row(y, d.target.width, x0, x1)) continue;
    const double cx = x0 + 0.5, cy = y + 0.5;
    const TexelWalk walk{float(map.u_at(cx, cy)), float(map.v_at(cx, cy)), float(map.dudx),
                         float(map.dvdx)};
    if (!finite_walk(walk)) continue;
    if (d.bilinear)
      sample_bilinear(samples, grid, walk, x1 - x0);
    else
      sample_nearest(samples, grid, walk, x1 - x0);
    d.blend(&d.target.pixels[std::size_t(y) * d.target.width + x0], samples, x1 - x0);
  }
}

void fill_triangle(const QuadDraw& d, const Point (&p)[3], const Point (&t)[3]) {
  Affine map;
  if (affine_from_triangle(p, t, map)) fill_polygon(d, p, 3, map);
}

}  // namespace

void draw_general(const QuadDraw& d) {
  const Quad& q = d.quad;
  const float w = float(d.texture.width);
  const float h = float(d.texture.height);
  const Point t0{0, 0}, t1{w, 0}, t2{w, h}, t3{0, h};
  if (is_parallelogram(q)) {
    const Point p[3] = {q[0], q[1], q[3]};
    const Point t[3] = {t0, t1, t3};
    Affine map;
    if (affine_from_triangle(p, t, map)) fill_polygon(d, q.data(), 4, map);
    return;
  }
  fill_triangle(d, {q[0], q[1], q[2]}, {t0, t1, t2});
  fill_triangle(d, {q[0], q[2], q[3]}, {t0, t2, t3});
}

}  // namespace orv::media::detail
