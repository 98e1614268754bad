#include <gtest/gtest.h>

#include "media/render/render.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::blue;
using testing::green;
using testing::rect_quad;
using testing::red;

struct BlendCase {
  int source, destination;
  int r, g, b;  // expected result, worked out by hand
};

// Texel (200, 100, 50) with alpha 64 over a pixel (40, 80, 240).
constexpr Pixel kTexel = argb(64, 200, 100, 50);
constexpr Pixel kBackground = argb(255, 40, 80, 240);

class RenderBlendTable : public ::testing::TestWithParam<BlendCase> {};

// A row long enough to run both the vectorised part and the tail of the blend loops.
constexpr int kRow = 37;

TEST_P(RenderBlendTable, MatchesHandComputedPixels) {
  const BlendCase& c = GetParam();
  Image target(kRow, 1, kBackground);
  Image texture(kRow, 1, kTexel);
  draw_quad(target, texture, rect_quad(0, 0, kRow, 1), 255, {c.source, c.destination}, false);
  for (int x = 0; x < kRow; ++x) {
    Pixel p = target.at(x, 0);
    ASSERT_EQ(red(p), c.r) << "x " << x;
    ASSERT_EQ(green(p), c.g) << "x " << x;
    ASSERT_EQ(blue(p), c.b) << "x " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    RenderFactors, RenderBlendTable,
    ::testing::Values(BlendCase{5, 6, 80, 85, 192},     // ordinary alpha blending
                      BlendCase{2, 5, 210, 120, 110},   // src + dst * As
                      BlendCase{2, 6, 230, 160, 230},   // src + dst * (1 - As)
                      BlendCase{1, 2, 40, 80, 240},     // keeps the destination
                      BlendCase{2, 2, 240, 180, 255},   // additive, saturated blue
                      BlendCase{2, 1, 200, 100, 50},    // plain copy
                      BlendCase{13, 1, 160, 95, 98},    // (1 - As, As), destination overridden
                      BlendCase{12, 2, 80, 85, 192},    // (As, 1 - As), destination overridden
                      BlendCase{5, 12, 80, 85, 192},    // as a destination: 1 - As
                      BlendCase{3, 4, 165, 88, 203},    // Cs * Cs + Cd * (1 - Cs)
                      BlendCase{9, 1, 31, 31, 47},      // Cs * Cd
                      BlendCase{2, 10, 234, 155, 64},   // Cs + Cd * (1 - Cd)
                      BlendCase{7, 8, 200, 100, 50},    // destination alpha reads as one
                      BlendCase{11, 2, 40, 80, 240}));  // saturated alpha is 0 over opaque

TEST(RenderBlend, OpacityMultipliesTexelAlpha) {
  // Alpha 128 at opacity 128 is alpha 64: the same result as the (5, 6) row of the table.
  Image target(3, 1, kBackground);
  Image texture(3, 1, argb(128, 200, 100, 50));
  draw_quad(target, texture, rect_quad(0, 0, 3, 1), 128, {5, 6}, false);
  EXPECT_EQ(red(target.at(2, 0)), 80);
  EXPECT_EQ(green(target.at(2, 0)), 85);
  EXPECT_EQ(blue(target.at(2, 0)), 192);
}

TEST(RenderBlend, TexelsWhoseAlphaEndsAtZeroAreNotDrawn) {
  // With (2, 5) a drawn texel of alpha 0 would still add its colour and wipe the pixel.
  Image texture(2, 1);
  texture.at(0, 0) = argb(0, 255, 255, 255);
  texture.at(1, 0) = argb(1, 255, 255, 255);  // alpha 1 at opacity 100 rounds to 0
  for (int opacity : {255, 100}) {
    Image target(2, 1, kBackground);
    draw_quad(target, texture, rect_quad(0, 0, 2, 1), opacity, {2, 5}, false);
    EXPECT_EQ(target.at(0, 0) & 0xFFFFFF, kBackground & 0xFFFFFF);
    if (opacity == 100) {
      EXPECT_EQ(target.at(1, 0) & 0xFFFFFF, kBackground & 0xFFFFFF);
    }
  }
}

TEST(RenderBlend, InvalidFactorsAndZeroOpacityDrawNothing) {
  Image texture(2, 2, argb(255, 1, 2, 3));
  for (Blend b : {Blend{0, 6}, Blend{5, 14}, Blend{-1, -1}}) {
    Image target(2, 2, kBackground);
    draw_quad(target, texture, rect_quad(0, 0, 2, 2), 255, b, false);
    EXPECT_EQ(target.pixels, Image(2, 2, kBackground).pixels);
  }
  Image target(2, 2, kBackground);
  draw_quad(target, texture, rect_quad(0, 0, 2, 2), 0, {5, 6}, false);
  EXPECT_EQ(target.pixels, Image(2, 2, kBackground).pixels);
  EXPECT_TRUE(is_valid_blend_factor(1));
  EXPECT_TRUE(is_valid_blend_factor(13));
  EXPECT_FALSE(is_valid_blend_factor(0));
  EXPECT_FALSE(is_valid_blend_factor(14));
}

}  // namespace
}  // namespace orv::media
