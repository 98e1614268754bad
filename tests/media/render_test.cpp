// The software renderer: blending, texel placement, clipping, keys and rectangles.
#include "media/render/render.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "media/render/cpu.h"
#include "media/render/draw_quad.h"
#include "media/render/quad_upright.h"
#include "media/render/raster.h"
#include "media/render/rect.h"
#include "media/render/texture.h"
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
                             {11, 2, 40, 80, 240},           // saturated alpha is 0 over opaque
                             // Nothing is drawn: alpha 0 would still add its colour under (2, 5)
                             // and alpha 1 at opacity 100 rounds to 0; invalid factors; opacity 0.
                             {2, 5, 40, 80, 240, 0, 100},
                             {2, 5, 40, 80, 240, 1, 100},
                             {0, 6, 40, 80, 240},
                             {5, 14, 40, 80, 240},
                             {5, 6, 40, 80, 240, 64, 0}};
  constexpr int kRow = 37;  // both the vectorised part and the tail of the blend loops
  for (const BlendCase& c : cases) {
    Image target(kRow, 1, argb(255, 40, 80, 240));
    Image texture(kRow, 1, argb(c.texel_alpha, 200, 100, 50));
    draw_quad(target, texture, rect_quad(0, 0, kRow, 1), c.opacity, {c.source, c.destination},
              false);
    for (int x = 0; x < kRow; ++x)
      ASSERT_EQ(target.at(x, 0) & 0xFFFFFF, argb(0, c.r, c.g, c.b))
          << c.source << "," << c.destination << " at " << c.opacity << " x " << x;
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

TEST(RenderPaths, PortableLoopsAgreeWithAvx2Loops) {
  auto render = [](const Image& tex, const Quad& quad, Blend blend, bool bilinear, bool avx2) {
    detail::allow_avx2(avx2);
    Image target = noisy(40, 30, 7);
    for (Pixel& p : target.pixels) p |= 0xFF000000u;
    draw_quad(target, tex, quad, 200, blend, bilinear);
    detail::allow_avx2(true);
    return target.pixels;
  };
  const Image tex = noisy(13, 5, 13);  // one vector of texels and a tail
  const Quad turned = corners(20.3f, 1.7f, 37.9f, 14.2f, 23.4f, 29.6f, 5.8f, 17.1f);
  for (Blend blend : {Blend{5, 6}, Blend{2, 5}, Blend{3, 4}})
    for (const auto& [quad, bilinear] :
         {std::pair(rect_quad(2, 3, 13, 5), false),
          std::pair(rect_quad(-1.5f, 2.25f, 22, 11), true), std::pair(turned, true)})
      ASSERT_EQ(render(tex, quad, blend, bilinear, true), render(tex, quad, blend, bilinear, false))
          << blend.source << "," << blend.destination << " " << bilinear;
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

TEST(RenderQuad, BilinearUpscaleBlendsNeighbours) {
  Image tex(2, 1, kBlack);
  tex.at(1, 0) = argb(255, 255, 255, 255);
  Image smooth(4, 1, kBlack);
  draw_quad(smooth, tex, rect_quad(0, 0, 4, 1), 255, kAlpha, true);
  const int expected[4] = {0, 64, 191, 255};  // texel centres at 0.5 and 1.5
  for (int x = 0; x < 4; ++x) EXPECT_NEAR(red(smooth.at(x, 0)), expected[x], 1) << x;
}

// A plain draw checks the texels it reads instead of scanning the texture first: when they
// are all opaque and unkeyed it must leave exactly what the ordinary alpha-blended draw
// leaves, and it must refuse as soon as it reads a keyed or translucent texel.
TEST(RenderQuad, APlainDrawEqualsTheBlendedDrawOrRefusesWhatItReads) {
  constexpr Pixel kKey = 0x00FF00FF;
  Image tex = noisy(37, 23, 5);
  for (Pixel& p : tex.pixels) p = (p & 0xFFFFFFu) == kKey ? kBlack : p | 0xFF000000u;
  const Quad quads[] = {rect_quad(0, 0, 40, 30), rect_quad(-3.5f, 2.25f, 47, 19),
                        rect_quad(1, 1, 20, 12), rect_quad(0, 0, 37, 23)};
  for (bool avx2 : {true, false}) {
    detail::allow_avx2(avx2);
    for (const Quad& quad : quads) {
      for (bool bilinear : {false, true}) {
        Image blended = noisy(40, 30, 9), plain = blended;
        draw_quad(blended, tex, quad, 255, kAlpha, bilinear);
        ASSERT_TRUE(draw_quad_plain(plain, view_of(tex), quad, kKey, bilinear));
        ASSERT_EQ(plain.pixels, blended.pixels) << avx2 << bilinear << quad[1].x;
      }
    }
    detail::allow_avx2(true);
  }
  // Texel (30, 20) is read by a draw of the whole texture, not by one of its top-left quarter.
  const Quad whole = rect_quad(0, 0, 40, 30);
  const TextureView quarter = view_of(tex, 0, 0, 18, 11);
  for (Pixel odd : {kKey, argb(254, 1, 2, 3), 0xFFFF00FFu}) {
    Image with_odd = tex;
    with_odd.at(30, 20) = odd;
    for (bool bilinear : {false, true}) {
      Image target(40, 30);
      EXPECT_FALSE(draw_quad_plain(target, view_of(with_odd), whole, kKey, bilinear));
      EXPECT_TRUE(draw_quad_plain(target, view_of(with_odd, 0, 0, 18, 11), whole, kKey, bilinear));
    }
  }
  Image target(40, 30);
  EXPECT_TRUE(draw_quad_plain(target, quarter, whole, kKey, true));
  const Quad mirrored = rect_quad(40, 0, -40, 30);
  EXPECT_FALSE(draw_quad_plain(target, quarter, mirrored, kKey, true));
}

// The lazy clear skips the pixels an opaque upright draw is expected to replace, so every way
// of drawing one must fill exactly the pixels the coverage rule names, edges on half pixels
// and clipping included; mirrored and flat quads are not upright and promise nothing.
TEST(RenderQuad, AnUprightDrawFillsExactlyThePixelsItCovers) {
  const Image tex(5, 4, argb(255, 200, 100, 50));
  const Quad quads[] = {rect_quad(2, 3, 5, 4),
                        rect_quad(2.5f, 3.5f, 5, 4),
                        rect_quad(1.4f, 0.6f, 9.2f, 2.3f),
                        rect_quad(-3.7f, -2.5f, 11, 30),
                        rect_quad(14.5f, 8.49f, 30, 0.51f),
                        rect_quad(4.6f, 4.6f, 0.3f, 7)};
  for (const Quad& q : quads) {
    ASSERT_TRUE(detail::is_upright(q));
    const detail::PixelRange xs = detail::pixels_covered(q[0].x, q[1].x, 20);
    const detail::PixelRange ys = detail::pixels_covered(q[0].y, q[3].y, 16);
    for (bool bilinear : {false, true}) {
      Image target(20, 16, kBlack);
      draw_quad(target, tex, q, 255, kAlpha, bilinear);
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 20; ++x) {
          const bool inside = x >= xs.first && x < xs.end && y >= ys.first && y < ys.end;
          ASSERT_EQ(target.at(x, y) != kBlack, inside)
              << q[0].x << "," << q[0].y << " " << x << "," << y << " " << bilinear;
        }
      }
    }
  }
  EXPECT_FALSE(detail::is_upright(rect_quad(10, 0, -5, 4)));
  EXPECT_FALSE(detail::is_upright(rect_quad(0, 0, 5, 0)));
  EXPECT_FALSE(detail::is_upright(corners(0, 0, 5, 0.5f, 5, 4, 0, 4)));
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

// Quads that are not finite, far off or vanishingly small have no part on it, nor has a target
// with fewer pixels than its size says.
TEST(RenderQuad, DrawsOnlyThePartOfAQuadOnTheTarget) {
  const Image tex = numbered(4, 4);
  for (bool bilinear : {false, true}) {
    for (auto [x, y] : {std::pair(-2, -2), std::pair(14, 14), std::pair(6, -3)}) {
      Image target(16, 16, kBlack);  // a 2x2 or 4x1 piece stays on screen
      draw_quad(target, tex, rect_quad(float(x), float(y), 4, 4), 255, kAlpha, bilinear);
      EXPECT_EQ(count_drawn(target, kBlack), 4) << x << "," << y;
    }
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Quad& q :
         {rect_quad(-1e9f, -1e9f, 4, 4), rect_quad(nan, 0, 4, 4), rect_quad(0, 0, inf, 4),
          rect_quad(0, 0, 1e30f, 1e30f), rect_quad(3, 3, 1e-30f, 1e-30f)}) {
      Image blank(16, 16, kBlack);
      draw_quad(blank, tex, q, 255, kAlpha, bilinear);
      EXPECT_EQ(count_drawn(blank, kBlack), 0) << q[0].x << "," << q[0].y << " " << q[2].x;
    }
  }
  Image target(8, 8, kBlack);
  target.height = 100;  // fewer pixels than its size says
  draw_quad(target, tex, rect_quad(0, 0, 4, 4), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(target, kBlack), 0);
  // A huge but finite zoom covering the whole target draws it all with the texels under it.
  Image huge(16, 16, kBlack);
  draw_quad(huge, tex, rect_quad(-2e7f, -2e7f, 4e7f, 4e7f), 255, kAlpha, false);
  EXPECT_EQ(count_drawn(huge, kBlack), 256);
  EXPECT_EQ(huge.at(0, 0), tex.at(2, 2));
}

TEST(RenderTexture, OnlyTheExactKeyColourBecomesTransparentBlack) {
  Image pic(3, 1, argb(255, 255, 0, 255));  // the key, then one step off, then own alpha
  pic.at(1, 0) = argb(255, 254, 0, 255);
  pic.at(2, 0) = argb(128, 10, 20, 30);
  EXPECT_EQ(make_texture(pic, rgb(255, 0, 255)).pixels,
            (std::vector<Pixel>{0, pic.at(1, 0), pic.at(2, 0)}));
}

TEST(RenderRect, FillOrCopyIsClippedWithoutOverflow) {
  Image target(8, 6, kBlack);
  const Pixel white = argb(255, 255, 255, 255);
  fill_rect(target, -3, -2, 5, 4, white);  // 2x2 in the corner
  fill_rect(target, 2000000000, 0, 2000000000, 5, white);
  EXPECT_EQ(count_drawn(target, kBlack), 4);
  EXPECT_EQ(target.at(1, 1), white);
  Image source(4, 3, argb(7, 1, 2, 3));  // alpha becomes 255
  const Image copy = copy_rect(source, 2, -1, 4, 3);
  EXPECT_EQ((std::vector{copy.at(0, 0), copy.at(1, 2), copy.at(2, 1)}),
            (std::vector{kBlack, argb(255, 1, 2, 3), kBlack}));
  EXPECT_EQ(copy_rect(source, -2000000000, 2000000000, 2, 2).pixels, Image(2, 2, kBlack).pixels);
}

}  // namespace
}  // namespace orv::media
