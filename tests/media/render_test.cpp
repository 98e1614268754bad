// The software renderer: blending, texel placement, clipping, keys, rectangles and BMP files.
#include "media/render/render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "media/render/cpu.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::count_drawn;
using testing::rect_quad;
using testing::red;

constexpr Pixel kBlack = argb(255, 0, 0, 0);
constexpr Blend kAlpha{5, 6};

Quad corners(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3) {
  return {Point{x0, y0}, Point{x1, y1}, Point{x2, y2}, Point{x3, y3}};
}

struct BlendCase {
  int source, destination;
  int r, g, b;  // worked out by hand
  int texel_alpha = 64, opacity = 255;
};

TEST(RenderBlend, EveryFactorPairMatchesHandComputedPixels) {
  const BlendCase cases[] = {{5, 6, 80, 85, 192},            // ordinary alpha blending
                             {5, 6, 80, 85, 192, 128, 128},  // opacity multiplies the texel's alpha
                             {2, 5, 210, 120, 110},          // src + dst * As
                             {2, 6, 230, 160, 230},          // src + dst * (1 - As)
                             {1, 2, 40, 80, 240},            // keeps the destination
                             {2, 2, 240, 180, 255},          // additive, saturated blue
                             {2, 1, 200, 100, 50},           // plain copy
                             {13, 1, 160, 95, 98},           // (1 - As, As), destination overridden
                             {12, 2, 80, 85, 192},           // (As, 1 - As), destination overridden
                             {5, 12, 80, 85, 192},           // as a destination: 1 - As
                             {3, 4, 165, 88, 203},           // Cs * Cs + Cd * (1 - Cs)
                             {9, 1, 31, 31, 47},             // Cs * Cd
                             {2, 10, 234, 155, 64},          // Cs + Cd * (1 - Cd)
                             {7, 8, 200, 100, 50},           // destination alpha reads as one
                             {11, 2, 40, 80, 240}};          // saturated alpha is 0 over opaque
  constexpr int kRow = 37;  // both the vectorised part and the tail of the blend loops
  for (const BlendCase& c : cases) {
    Image target(kRow, 1, argb(255, 40, 80, 240));
    Image texture(kRow, 1, argb(c.texel_alpha, 200, 100, 50));
    draw_quad(target, texture, rect_quad(0, 0, kRow, 1), c.opacity, {c.source, c.destination},
              false);
    for (int x = 0; x < kRow; ++x)
      ASSERT_EQ(target.at(x, 0) & 0xFFFFFF, argb(0, c.r, c.g, c.b))
          << c.source << "," << c.destination << " x " << x;
  }
}

TEST(RenderBlend, NothingIsDrawnForZeroAlphaInvalidFactorsOrZeroOpacity) {
  // With (2, 5) a drawn texel of alpha 0 would still add its colour and wipe the pixel; alpha 1
  // at opacity 100 rounds to 0.
  const Image background(2, 1, argb(255, 40, 80, 240));
  Image texture(2, 1, argb(0, 255, 255, 255));
  texture.at(1, 0) = argb(1, 255, 255, 255);
  Image target = background;
  draw_quad(target, texture, rect_quad(0, 0, 2, 1), 100, {2, 5}, false);
  EXPECT_EQ(target.pixels, background.pixels);
  const Image opaque(2, 1, argb(255, 1, 2, 3));
  for (auto [blend, opacity] : {std::pair(Blend{0, 6}, 255), std::pair(Blend{5, 14}, 255),
                                std::pair(Blend{-1, -1}, 255), std::pair(kAlpha, 0)}) {
    target = background;
    draw_quad(target, opaque, rect_quad(0, 0, 2, 1), opacity, blend, false);
    EXPECT_EQ(target.pixels, background.pixels) << blend.source << "," << blend.destination;
  }
}

// Texels of every kind (transparent, opaque, in between) in a fixed pseudo-random order.
Image noisy(int w, int h, std::uint32_t seed) {
  Image img(w, h);
  for (Pixel& p : img.pixels) {
    seed = seed * 1664525u + 1013904223u;
    const std::uint32_t a = (seed >> 24) % 3 == 0 ? 0u : (seed >> 24) % 3 == 1 ? 255u : seed >> 24;
    p = (seed & 0xFFFFFFu) | (a << 24);
  }
  return img;
}

TEST(RenderPaths, PortableAndAvx2LoopsAgree) {
  auto render = [](const Image& tex, const Quad& quad, int alpha, Blend blend, bool bilinear,
                   bool avx2) {
    detail::allow_avx2(avx2);
    Image target = noisy(40, 30, 7);
    for (Pixel& p : target.pixels) p |= 0xFF000000u;
    draw_quad(target, tex, quad, alpha, blend, bilinear);
    detail::allow_avx2(true);
    return target.pixels;
  };
  const Quad turned = corners(20.3f, 1.7f, 37.9f, 14.2f, 23.4f, 29.6f, 5.8f, 17.1f);
  for (int width : {1, 3, 7, 8, 9, 13, 17, 33}) {
    const Image tex = noisy(width, 5, std::uint32_t(width));
    const std::pair<Quad, bool> scenes[] = {
        {rect_quad(2, 3, float(width), 5), false},          // unscaled
        {rect_quad(-1.5f, 2.25f, width * 1.7f, 11), true},  // smooth stretch
        {rect_quad(0.5f, 0.5f, width * 0.6f, 3), true},     // smooth shrink
        {rect_quad(0, 0, width * 0.88f, 4), true},          // slight shrink
        {rect_quad(1, 1, width * 2.0f, 9), false},          // nearest stretch
        {turned, false},
        {turned, true}};
    for (Blend blend : {Blend{5, 6}, Blend{2, 5}, Blend{2, 6}, Blend{3, 4}})
      for (int alpha : {255, 200})
        for (const auto& [quad, bilinear] : scenes)
          ASSERT_EQ(render(tex, quad, alpha, blend, bilinear, true),
                    render(tex, quad, alpha, blend, bilinear, false))
              << "width " << width << " blend " << blend.source << "," << blend.destination
              << " alpha " << alpha;
  }
}

// Opaque texels with distinct colours, so that every texel can be traced to where it landed.
Image numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.at(x, y) = argb(255, 10 + x * 20, 10 + y * 20, 7);
  return img;
}

// Where the texels land: a picture of the drawn area at (x, y) with texel i of the texture as
// letter 'a' + i (texels numbered row by row); every other pixel stays black.
struct PlacementCase {
  int width, height;  // of the texture
  Quad quad;
  bool both_filters;  // or nearest only
  int x, y;
  std::vector<std::string> rows;
};

TEST(RenderQuad, TexelsLandOnTheirPixelsExactly) {
  const PlacementCase cases[] = {
      // unscaled, a quarter turn clockwise, zoomed, mirrored
      {5, 3, rect_quad(3, 2, 5, 3), true, 3, 2, {"abcde", "fghij", "klmno"}},
      {4, 2, corners(12, 10, 12, 14, 10, 14, 10, 10), true, 10, 10, {"ea", "fb", "gc", "hd"}},
      {2, 2, rect_quad(1, 1, 6, 4), false, 1, 1, {"aaabbb", "aaabbb", "cccddd", "cccddd"}},
      {2, 1, corners(2, 0, 0, 0, 0, 1, 2, 1), false, 0, 0, {"ba"}}};
  for (const PlacementCase& c : cases) {
    const Image tex = numbered(c.width, c.height);
    Image expected(20, 20, kBlack);
    for (int y = 0; y < int(c.rows.size()); ++y)
      for (int x = 0; x < int(c.rows[y].size()); ++x)
        expected.at(c.x + x, c.y + y) = tex.pixels[std::size_t(c.rows[y][x] - 'a')];
    for (bool bilinear : {false, c.both_filters}) {
      Image target(20, 20, kBlack);
      draw_quad(target, tex, c.quad, 255, kAlpha, bilinear);
      EXPECT_EQ(target.pixels, expected.pixels) << c.rows[0] << (bilinear ? " smooth" : "");
    }
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
  EXPECT_EQ(target.at(27, 19), kBlack);  // 8: outside
  EXPECT_EQ(target.at(15, 15), kBlack);  // a corner of the unturned square
  // Pixel centres with |dx| + |dy| of 1 .. 7 number 4 + 8 + ... + 28.
  EXPECT_EQ(count_drawn(target, kBlack), 112);
}

TEST(RenderQuad, BilinearUpscaleBlendsNeighboursWhereNearestDoesNot) {
  Image tex(2, 1, kBlack);
  tex.at(1, 0) = argb(255, 255, 255, 255);
  Image nearest(4, 1, kBlack), smooth(4, 1, kBlack);
  draw_quad(nearest, tex, rect_quad(0, 0, 4, 1), 255, kAlpha, false);
  draw_quad(smooth, tex, rect_quad(0, 0, 4, 1), 255, kAlpha, true);
  const int expected_nearest[4] = {0, 0, 255, 255};
  const int expected_smooth[4] = {0, 64, 191, 255};  // texel centres at 0.5 and 1.5
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(red(nearest.at(x, 0)), expected_nearest[x]) << x;
    EXPECT_NEAR(red(smooth.at(x, 0)), expected_smooth[x], 1) << x;
  }
}

TEST(RenderQuad, ShapesSplitInTwoNeverDrawAPixelTwice) {
  // Additive blending shows a doubly drawn pixel as 20 instead of 10.
  Image tex(8, 8, argb(255, 10, 10, 10));
  const Quad trapezoid = corners(3.3f, 2.1f, 20.7f, 4.2f, 25.1f, 19.9f, 1.2f, 15.4f);
  Image target(32, 24, kBlack);
  draw_quad(target, tex, trapezoid, 255, {2, 2}, false);
  EXPECT_GT(count_drawn(target, kBlack), 200);
  for (Pixel p : target.pixels) ASSERT_TRUE(red(p) == 0 || red(p) == 10);
}

TEST(RenderQuad, ClipsAtEveryEdgeAndBrokenInputDrawsNothing) {
  const Image tex = numbered(4, 4);
  for (bool bilinear : {false, true}) {
    // Each position leaves a 2x2, 4x1 or 1x4 piece on screen.
    for (auto [x, y] : {std::pair(-2, -2), std::pair(14, -2), std::pair(-2, 14), std::pair(14, 14),
                        std::pair(6, -3), std::pair(-3, 6)}) {
      Image target(16, 16, kBlack);
      draw_quad(target, tex, rect_quad(float(x), float(y), 4, 4), 255, kAlpha, bilinear);
      EXPECT_EQ(count_drawn(target, kBlack), 4) << x << "," << y;
    }
    Image target(16, 16, kBlack);  // turned and zoomed far past the left edge
    draw_quad(target, tex, corners(-40, -10, 10, 8, -8, 58, -58, 40), 255, kAlpha, bilinear);
    EXPECT_GT(count_drawn(target, kBlack), 0);

    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Quad& q :
         {rect_quad(1e9f, 5, 4, 4), rect_quad(-1e9f, -1e9f, 4, 4), rect_quad(nan, 0, 4, 4),
          rect_quad(0, 0, inf, 4), rect_quad(0, 0, 1e30f, 1e30f), rect_quad(0, 0, 0, 0),
          rect_quad(0, 0, -4, 1e-20f), rect_quad(3, 3, 1e-30f, 1e-30f)}) {
      Image blank(16, 16, kBlack);
      draw_quad(blank, tex, q, 255, kAlpha, bilinear);
      EXPECT_EQ(count_drawn(blank, kBlack), 0) << q[0].x << "," << q[0].y << " " << q[2].x;
    }
  }
  Image target(8, 8, kBlack), broken_target(8, 8, kBlack);
  Image broken = tex;
  broken.pixels.resize(3);
  broken_target.height = 100;
  draw_quad(target, broken, rect_quad(0, 0, 4, 4), 255, kAlpha, false);
  draw_quad(broken_target, tex, rect_quad(0, 0, 4, 4), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(target, kBlack) + count_drawn(broken_target, kBlack), 0);
  // A huge but finite zoom covering the whole target draws it all with the texels under it.
  Image huge(16, 16, kBlack);
  draw_quad(huge, tex, rect_quad(-2e7f, -2e7f, 4e7f, 4e7f), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(huge, kBlack), 256);
  EXPECT_EQ(huge.at(0, 0), tex.at(2, 2));
}

TEST(RenderTexture, OnlyTheExactKeyColourBecomesTransparentBlack) {
  Image pic(4, 1);
  pic.at(0, 0) = argb(255, 255, 0, 255);  // the key
  pic.at(1, 0) = argb(255, 254, 0, 255);  // one step off
  pic.at(2, 0) = argb(255, 255, 1, 255);
  pic.at(3, 0) = argb(128, 10, 20, 30);  // a picture's own alpha stays
  EXPECT_EQ(make_texture(pic, rgb(255, 0, 255)).pixels,
            (std::vector<Pixel>{0, pic.at(1, 0), pic.at(2, 0), pic.at(3, 0)}));
  EXPECT_EQ(make_texture(pic, std::nullopt).pixels, pic.pixels);
}

TEST(RenderRect, FillAndCopyAreClippedWithoutOverflow) {
  Image target(8, 6, kBlack);
  const Pixel white = argb(255, 255, 255, 255);
  fill_rect(target, -3, -2, 5, 4, white);  // 2x2 in the corner
  fill_rect(target, 3, 3, -2, 2, white);   // nothing
  fill_rect(target, 2000000000, 0, 2000000000, 5, white);
  fill_rect(target, -2000000000, 0, 2000000000, 5, white);
  EXPECT_EQ(count_drawn(target, kBlack), 4);
  EXPECT_EQ(target.at(1, 1), white);
  Image source(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) source.at(x, y) = argb(7, x, y, 1);  // alpha becomes 255
  const Image copy = copy_rect(source, 2, -1, 4, 3);
  EXPECT_EQ((std::vector{copy.at(0, 0), copy.at(0, 1), copy.at(1, 2), copy.at(2, 1)}),
            (std::vector{kBlack, argb(255, 2, 0, 1), argb(255, 3, 1, 1), kBlack}));
  EXPECT_EQ(copy_rect(source, -2000000000, 2000000000, 2, 2).pixels, Image(2, 2, kBlack).pixels);
}

TEST(RenderBmp, WritesHeaderPaddedRowsBottomUp) {
  Image img(3, 2);
  for (int x = 0; x < 3; ++x) {
    img.at(x, 0) = argb(9, 10 + x, 20 + x, 30 + x);  // top row
    img.at(x, 1) = argb(9, 40 + x, 50 + x, 60 + x);  // bottom row
  }
  const Bytes bmp = encode_bmp24(img);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // 9 bytes of pixels per row padded to 12
  EXPECT_EQ(bmp[0] | bmp[1] << 8, 'B' | 'M' << 8);
  // File size, pixel offset, header size, width, height (positive: bottom-up), planes and
  // bits per pixel, no compression, image size.
  const std::pair<std::size_t, std::uint32_t> fields[] = {
      {2, 78}, {10, 54}, {14, 40}, {18, 3}, {22, 2}, {26, 1 | 24 << 16}, {30, 0}, {34, 24}};
  for (auto [at, value] : fields)
    EXPECT_EQ(bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | std::uint32_t(bmp[at + 3]) << 24,
              value)
        << at;
  EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.end()),
            (Bytes{60, 50, 40, 61, 51, 41, 62, 52, 42, 0, 0, 0,     // bottom row, blue first
                   30, 20, 10, 31, 21, 11, 32, 22, 12, 0, 0, 0}));  // then the top row
}

}  // namespace
}  // namespace orv::media
