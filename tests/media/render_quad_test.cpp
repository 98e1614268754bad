#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "media/render/render.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::count_drawn;
using testing::rect_quad;
using testing::red;

constexpr Pixel kBlack = argb(255, 0, 0, 0);
constexpr Blend kAlpha{5, 6};

// Opaque texels with distinct colours, so that every texel can be traced to where it landed.
Image numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.at(x, y) = argb(255, 10 + x * 20, 10 + y * 20, 7);
  return img;
}

TEST(RenderQuad, UnscaledDrawAtWholePixelsCopiesTexelsExactly) {
  const Image tex = numbered(7, 5);
  for (bool bilinear : {false, true}) {
    Image target(16, 12, kBlack);
    draw_quad(target, tex, rect_quad(3, 2, 7, 5), 255, kAlpha, bilinear);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x)
        ASSERT_EQ(target.at(3 + x, 2 + y), tex.at(x, y)) << bilinear << " " << x << "," << y;
    EXPECT_EQ(count_drawn(target, kBlack), 35);
  }
}

TEST(RenderQuad, QuarterTurnMapsTexelCentresOntoPixelCentres) {
  // A 4x2 texture turned 90 degrees clockwise: texel (u, v) lands on pixel (1 - v, u).
  const Image tex = numbered(4, 2);
  const Quad turned{Point{12, 10}, Point{12, 14}, Point{10, 14}, Point{10, 10}};
  for (bool bilinear : {false, true}) {
    Image target(20, 20, kBlack);
    draw_quad(target, tex, turned, 255, kAlpha, bilinear);
    for (int v = 0; v < 2; ++v)
      for (int u = 0; u < 4; ++u) ASSERT_EQ(target.at(10 + 1 - v, 10 + u), tex.at(u, v));
    EXPECT_EQ(count_drawn(target, kBlack), 8);
  }
}

TEST(RenderQuad, EighthTurnCoversTheDiamond) {
  // A 10x10 square centred on (20, 20) turned 45 degrees: its corners reach 7.07 pixels out.
  Image tex(10, 10, argb(255, 255, 255, 255));
  Quad q;
  const double r = 5 * std::sqrt(2.0);
  for (int i = 0; i < 4; ++i) {
    double a = (-90 + 90 * i) * std::numbers::pi / 180;  // first corner straight up, then clockwise
    q[i] = {float(20 + r * std::cos(a)), float(20 + r * std::sin(a))};
  }
  Image target(40, 40, kBlack);
  draw_quad(target, tex, q, 255, kAlpha, false);
  EXPECT_NE(target.at(26, 19), kBlack);  // |dx| + |dy| = 7 from the centre
  EXPECT_NE(target.at(19, 13), kBlack);
  EXPECT_EQ(target.at(27, 19), kBlack);  // 8: outside
  EXPECT_EQ(target.at(15, 15), kBlack);  // a corner of the unturned square
  // Pixel centres sit at half-pixel offsets, so |dx| + |dy| is a whole number: the centres with
  // 1 .. 7 number 4 + 8 + ... + 28.
  EXPECT_EQ(count_drawn(target, kBlack), 112);
}

TEST(RenderQuad, ZoomedQuadRepeatsTexelsInBlocks) {
  const Image tex = numbered(2, 2);
  Image target(10, 8, kBlack);
  draw_quad(target, tex, rect_quad(1, 1, 6, 4), 255, kAlpha, false);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(target.at(1 + x, 1 + y), tex.at(x / 3, y / 2));
  EXPECT_EQ(count_drawn(target, kBlack), 24);
}

TEST(RenderQuad, BilinearUpscaleBlendsNeighboursWhereNearestDoesNot) {
  Image tex(2, 1);
  tex.at(0, 0) = argb(255, 0, 0, 0);
  tex.at(1, 0) = argb(255, 255, 255, 255);
  Image nearest(4, 1, argb(255, 9, 9, 9)), smooth(4, 1, argb(255, 9, 9, 9));
  draw_quad(nearest, tex, rect_quad(0, 0, 4, 1), 255, kAlpha, false);
  draw_quad(smooth, tex, rect_quad(0, 0, 4, 1), 255, kAlpha, true);
  const int expected_nearest[4] = {0, 0, 255, 255};
  const int expected_smooth[4] = {0, 64, 191, 255};  // texel centres at 0.5 and 1.5
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(red(nearest.at(x, 0)), expected_nearest[x]) << x;
    EXPECT_NEAR(red(smooth.at(x, 0)), expected_smooth[x], 1) << x;
  }
}

TEST(RenderQuad, MirroredQuadFlipsTheTexture) {
  const Image tex = numbered(2, 1);
  Image target(2, 1, kBlack);
  const Quad mirrored{Point{2, 0}, Point{0, 0}, Point{0, 1}, Point{2, 1}};
  draw_quad(target, tex, mirrored, 255, kAlpha, false);
  EXPECT_EQ(target.at(0, 0), tex.at(1, 0));
  EXPECT_EQ(target.at(1, 0), tex.at(0, 0));
}

TEST(RenderQuad, ShapesSplitInTwoNeverDrawAPixelTwice) {
  // Additive blending shows a doubly drawn pixel as 20 instead of 10.
  Image tex(8, 8, argb(255, 10, 10, 10));
  const Quad trapezoid{Point{3.3f, 2.1f}, Point{20.7f, 4.2f}, Point{25.1f, 19.9f},
                       Point{1.2f, 15.4f}};
  Image target(32, 24, kBlack);
  draw_quad(target, tex, trapezoid, 255, {2, 2}, false);
  EXPECT_GT(count_drawn(target, kBlack), 200);
  for (Pixel p : target.pixels) ASSERT_TRUE(red(p) == 0 || red(p) == 10);
}

TEST(RenderQuad, ClipsAtEveryEdge) {
  const Image tex = numbered(4, 4);
  const float positions[][2] = {{-2, -2}, {14, -2}, {-2, 14}, {14, 14}, {6, -3}, {-3, 6}};
  for (bool bilinear : {false, true}) {
    for (const auto& pos : positions) {
      Image target(16, 16, kBlack);
      draw_quad(target, tex, rect_quad(pos[0], pos[1], 4, 4), 255, kAlpha, bilinear);
      // Each position leaves a 2x2, 4x1 or 1x4 piece on screen.
      EXPECT_EQ(count_drawn(target, kBlack), 4) << pos[0] << "," << pos[1];
    }
    // Turned and zoomed far past the left edge: only the part on screen is drawn.
    Image target(16, 16, kBlack);
    const Quad turned{Point{-40, -10}, Point{10, 8}, Point{-8, 58}, Point{-58, 40}};
    draw_quad(target, tex, turned, 255, kAlpha, bilinear);
    EXPECT_GT(count_drawn(target, kBlack), 0);
  }
}

TEST(RenderQuad, FarOffScreenHugeAndBrokenQuadsAreHarmless) {
  const Image tex = numbered(4, 4);
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Quad bad[] = {rect_quad(1e9f, 5, 4, 4),      rect_quad(-1e9f, -1e9f, 4, 4),
                      rect_quad(nan, 0, 4, 4),       rect_quad(0, 0, inf, 4),
                      rect_quad(0, 0, 1e30f, 1e30f), rect_quad(0, 0, 0, 0),
                      rect_quad(0, 0, -4, 1e-20f),   rect_quad(3, 3, 1e-30f, 1e-30f)};
  for (bool bilinear : {false, true}) {
    for (const Quad& q : bad) {
      Image target(16, 16, kBlack);
      draw_quad(target, tex, q, 255, kAlpha, bilinear);
      EXPECT_EQ(count_drawn(target, kBlack), 0);
    }
  }
  // Malformed images draw nothing either.
  Image target(8, 8, kBlack);
  Image broken = tex;
  broken.pixels.resize(3);
  draw_quad(target, broken, rect_quad(0, 0, 4, 4), 255, kAlpha, false);
  Image broken_target(8, 8, kBlack);
  broken_target.height = 100;
  draw_quad(broken_target, tex, rect_quad(0, 0, 4, 4), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(target, kBlack) + count_drawn(broken_target, kBlack), 0);
  // A huge but finite zoom covering the whole target draws it all with the texels under it.
  Image huge(16, 16, kBlack);
  draw_quad(huge, tex, rect_quad(-2e7f, -2e7f, 4e7f, 4e7f), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(huge, kBlack), 256);
  EXPECT_EQ(huge.at(0, 0), tex.at(2, 2));
}

}  // namespace
}  // namespace orv::media
