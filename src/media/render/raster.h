// Scan conversion of convex polygons and the affine texture mapping of a quad.
#pragma once

#include "media/render/render.h"

namespace orv::media::detail {

// Texture coordinates (in texels) as an affine function of screen position.
struct Affine {
  double x0 = 0, y0 = 0;  // screen origin of the mapping
  double u0 = 0, v0 = 0;  // texel coordinates at the origin
  double dudx = 0, dudy = 0;
  double dvdx = 0, dvdy = 0;

  double u_at(double x, double y) const { return u0 + dudx * (x - x0) + dudy * (y - y0); }
  double v_at(double x, double y) const { return v0 + dvdx * (x - x0) + dvdy * (y - y0); }
};

// The mapping that takes screen points p[i] to texel coordinates t[i]; false when the
// triangle has no area.
bool affine_from_triangle(const Point p[3], const Point t[3], Affine& out);

// A convex polygon (3 or 4 vertices) ready for scan conversion. A pixel belongs to it when
// its centre (x + 0.5, y + 0.5) is inside; centres exactly on a left or top edge are inside,
// on a right or bottom edge outside, so two polygons sharing an edge never both draw a pixel.
class ConvexSpans {
 public:
  // False when the polygon has no area. Vertices must be finite.
  bool setup(const Point* vertices, int count);
  // The rows [first, end) to visit for a target of the given height.
  int first_row(int height) const;
  int end_row(int height) const;
  // The columns [x0, x1) of row y inside the polygon, clipped to [0, width). False if none.
  bool row(int y, int width, int& x0, int& x1) const;

 private:
  struct Edge {
    double xa, ya;  // the end with the smaller y
    double dxdy;
    bool left;  // true: pixels at or right of it are inside; false: pixels left of it
  };
  Edge edges_[4];
  int count_ = 0;
  double top_ = 0, bottom_ = 0;
};

// ceil(value) clamped to [lo, hi] without overflow, for any finite value.
int clamped_ceil(double value, int lo, int hi);

// Pixels [first, end) of a row or column.
struct PixelRange {
  int first = 0, end = 0;
  bool empty() const { return first >= end; }
};

// The pixels among [0, size) whose centres (i + 0.5) lie in [start, stop): the rule every
// upright draw fills by, so it also tells which pixels such a draw replaces.
PixelRange pixels_covered(double start, double stop, int size);

// Corners in drawing order with a level top and bottom, plumb sides, and some width and height
// (mirrored and flat quads are not upright).
bool is_upright(const Quad& q);

}  // namespace orv::media::detail
