// The smooth present: the letterbox stretch gives exactly the pixels of the bilinear quad, on
// this machine's fastest loops and on the portable ones.
#include <gtest/gtest.h>

#include <vector>

#include "media/render/cpu.h"
#include "media/render/draw_quad.h"
#include "media/render/quad_upright.h"
#include "media/render/texture.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

// A picture of pw x ph pseudo-random texels one texel in from the corner of a larger image,
// so that its rows are longer than it; alpha random too unless opaque.
Image framed_picture(int pw, int ph, bool opaque) {
  Image image(pw + 3, ph + 2);
  std::uint32_t seed = std::uint32_t(pw * 131 + ph);
  for (Pixel& p : image.pixels) {
    seed = seed * 1664525u + 1013904223u;
    p = opaque ? (seed >> 8) | 0xFF000000u : seed;
  }
  return image;
}

// Rows stride pixels apart; the pixels past each row's width must stay as they were.
std::vector<Pixel> stretched(const TextureView& picture, int w, int h, int stride, bool avx2) {
  constexpr Pixel kOutside = 0x12345678u;
  std::vector<Pixel> surface(std::size_t(stride) * h, kOutside);
  detail::allow_avx2(avx2);
  stretch_bilinear(picture, surface.data(), w, h, stride);
  detail::allow_avx2(true);
  std::vector<Pixel> rows;
  for (int y = 0; y < h; ++y) {
    const Pixel* row = &surface[std::size_t(y) * stride];
    rows.insert(rows.end(), row, row + w);
    for (int x = w; x < stride; ++x) EXPECT_EQ(row[x], kOutside) << x << "," << y;
  }
  return rows;
}

TEST(StretchBilinear, EqualsTheBilinearQuadUpAndDownAtOddSizes) {
  struct Case {
    int pw, ph, w, h;
  };
  const Case cases[] = {
      {256, 192, 360, 270},  // the letterbox's 1.40625 on both axes
      {33, 17, 71, 40},      // odd widths, more than twice as large
      {13, 7, 15, 9},        // one group of eight columns and a tail of seven
      {5, 3, 8, 3},          // exactly one group, rows unscaled
      {40, 30, 33, 29},      // slightly smaller: groups that read more than eight texels
      {40, 30, 20, 15},      // half size
      {16, 16, 16, 16},      // the picture's own size
      {1, 1, 9, 5},          // a single texel
      {9, 1, 17, 1},         // a single row
      {1, 7, 1, 9},          // a single column
  };
  for (const Case& c : cases) {
    for (bool opaque : {true, false}) {
      const Image image = framed_picture(c.pw, c.ph, opaque);
      const TextureView picture = view_of(image, 1, 1, c.pw, c.ph);
      const std::vector<Pixel> fast = stretched(picture, c.w, c.h, c.w + 3, true);
      std::vector<Pixel> expected;
      if (opaque) {  // the quad path copies opaque texels as they are
        Image quad(c.w, c.h, 0xFF000000u);
        draw_quad(quad, picture, testing::rect_quad(0, 0, float(c.w), float(c.h)), 255, {5, 6},
                  true);
        expected = quad.pixels;
        EXPECT_EQ(stretched(picture, c.w, c.h, c.w + 3, false), expected);
      } else {
        expected = stretched(picture, c.w, c.h, c.w, false);
      }
      EXPECT_EQ(fast, expected) << c.pw << "x" << c.ph << " to " << c.w << "x" << c.h
                                << (opaque ? " opaque" : " with alpha");
    }
  }
}

}  // namespace
}  // namespace orv::media
