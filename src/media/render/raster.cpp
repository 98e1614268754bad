// Scan conversion of convex polygons.
#include "media/render/raster.h"

#include <algorithm>
#include <cmath>

namespace orv::media::detail {
namespace {

// Edges flatter than this are treated as horizontal: they bound no row of pixels, and their
// slope would not be representable.
constexpr double kFlat = 1e-9;

double signed_area(const Point* v, int count) {
  double sum = 0;
  for (int i = 0; i < count; ++i) {
    const Point& a = v[i];
    const Point& b = v[(i + 1) % count];
    sum += double(a.x) * b.y - double(b.x) * a.y;
  }
  return sum / 2;
}

}  // namespace

int clamped_ceil(double value, int lo, int hi) {
  if (!(value > lo)) return lo;  // also catches NaN
  if (value >= hi) return hi;
  return int(std::ceil(value));
}

PixelRange pixels_covered(double start, double stop, int size) {
  return {clamped_ceil(start - 0.5, 0, size), clamped_ceil(stop - 0.5, 0, size)};
}

bool is_upright(const Quad& q) {
  return q[0].y == q[1].y && q[2].y == q[3].y && q[0].x == q[3].x && q[1].x == q[2].x &&
         q[1].x > q[0].x && q[3].y > q[0].y;
}

bool affine_from_triangle(const Point p[3], const Point t[3], Affine& out) {
  double e1x = double(p[1].x) - p[0].x, e1y = double(p[1].y) - p[0].y;
  double e2x = double(p[2].x) - p[0].x, e2y = double(p[2].y) - p[0].y;
  double det = e1x * e2y - e1y * e2x;
  if (!(std::fabs(det) > 1e-12) || !std::isfinite(det)) return false;
  double du1 = double(t[1].x) - t[0].x, du2 = double(t[2].x) - t[0].x;
  double dv1 = double(t[1].y) - t[0].y, dv2 = double(t[2].y) - t[0].y;
  out.x0 = p[0].x;
  out.y0 = p[0].y;
  out.u0 = t[0].x;
  out.v0 = t[0].y;
  out.dudx = (e2y * du1 - e1y * du2) / det;
  out.dudy = (e1x * du2 - e2x * du1) / det;
  out.dvdx = (e2y * dv1 - e1y * dv2) / det;
  out.dvdy = (e1x * dv2 - e2x * dv1) / det;
  return true;
}

bool ConvexSpans::setup(const Point* vertices, int count) {
  double area = signed_area(vertices, count);
  if (!(std::fabs(area) > 1e-9)) return false;
  // With y pointing down, positive area means clockwise on screen; walk that way.
  int step = area > 0 ? 1 : count - 1;
  count_ = 0;
  top_ = bottom_ = vertices[0].y;
  for (int k = 0, i = 0; k < count; ++k, i = (i + step) % count) {
    const Point& a = vertices[i];
    const Point& b = vertices[(i + step) % count];
    top_ = std::min(top_, double(a.y));
    bottom_ = std::max(bottom_, double(a.y));
    double dy = double(b.y) - a.y;
    if (std::fabs(dy) < kFlat) continue;
    // The end with the smaller y first, so that an edge shared by two polygons gives exactly
    // the same crossing for both.
    const Point& lo = dy > 0 ? a : b;
    const Point& hi = dy > 0 ? b : a;
    double slope = (double(hi.x) - lo.x) / (double(hi.y) - lo.y);
    // Walking clockwise, an edge going up is a left edge and one going down a right edge.
    edges_[count_++] = {lo.x, lo.y, slope, dy < 0};
  }
  return count_ >= 2;
}

int ConvexSpans::first_row(int height) const {
  return clamped_ceil(top_ - 0.5, 0, height);
}

int ConvexSpans::end_row(int height) const {
  return clamped_ceil(bottom_ - 0.5, 0, height);
}

bool ConvexSpans::row(int y, int width, int& x0, int& x1) const {
  double cy = y + 0.5;
  double lo = -1, hi = double(width) + 1;
  for (int i = 0; i < count_; ++i) {
    const Edge& e = edges_[i];
    double t = e.xa + (cy - e.ya) * e.dxdy - 0.5;
    if (e.left)
      lo = std::max(lo, t);
    else
      hi = std::min(hi, t);
  }
  x0 = clamped_ceil(lo, 0, width);
  x1 = clamped_ceil(hi, 0, width);
  return x1 > x0;
}

}  // namespace orv::media::detail
