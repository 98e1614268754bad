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

// Rows stride pixels apart from offset pixels into a 32-byte aligned surface; the pixels past
// each row's width must stay as they were.
std::vector<Pixel> stretched(const TextureView& picture, int w, int h, int stride, int offset,
                             bool avx2) {
  constexpr Pixel kOutside = 0x12345678u;
  std::vector<Pixel> surface(std::size_t(stride) * h + offset + 8, kOutside);
  Pixel* aligned = surface.data() + (-reinterpret_cast<std::uintptr_t>(surface.data()) / 4 % 8);
  detail::allow_avx2(avx2);
  stretch_bilinear(picture, aligned + offset, w, h, stride);
  detail::allow_avx2(true);
  std::vector<Pixel> rows;
  for (int y = 0; y < h; ++y) {
    const Pixel* row = aligned + offset + std::ptrdiff_t(y) * stride;
    rows.insert(rows.end(), row, row + w);
    for (int x = w; x < stride; ++x) EXPECT_EQ(row[x], kOutside) << x << "," << y;
  }
  return rows;
}

TEST(StretchBilinear, EqualsTheBilinearQuadAtEverySize) {
  struct Case {
    int pw, ph, w, h, stride, offset;  // picture, target and its rows
  };
  const Case cases[] = {
      {256, 192, 360, 270, 480, 60},  // the letterbox's 1.40625, rows 32-byte aligned
      {256, 192, 360, 270, 363, 1},   // the same, rows aligned differently
      {33, 17, 71, 40, 74, 0},        // odd widths, more than twice as large
      {13, 7, 15, 9, 16, 3},          // one group of eight columns and a tail
      {5, 3, 8, 3, 8, 0},             // exactly one group, rows unscaled
      {5, 3, 8, 3, 8, 7},             // seven columns one by one, then one
      {5, 3, 13, 7, 16, 0},           // rows shorter than their stride
      {36, 30, 33, 29, 35, 2},        // slightly smaller: some groups read nine texels
      {40, 30, 20, 15, 21, 0},        // half size
      {16, 16, 16, 16, 16, 5},        // the picture's own size
      {1, 1, 9, 5, 9, 0},             // a single texel
      {9, 1, 17, 1, 17, 1},           // a single row
      {1, 7, 1, 9, 2, 0},             // a single column
  };
  for (const Case& c : cases) {
    for (bool opaque : {true, false}) {
      const Image image = framed_picture(c.pw, c.ph, opaque);
      const TextureView picture = view_of(image, 1, 1, c.pw, c.ph);
      const std::vector<Pixel> fast = stretched(picture, c.w, c.h, c.stride, c.offset, true);
      std::vector<Pixel> expected;
      if (opaque) {  // the quad path copies opaque texels as they are
        Image quad(c.w, c.h, 0xFF000000u);
        draw_quad(quad, picture, testing::rect_quad(0, 0, float(c.w), float(c.h)), 255, {5, 6},
                  true);
        expected = quad.pixels;
        EXPECT_EQ(stretched(picture, c.w, c.h, c.stride, c.offset, false), expected);
      } else {
        expected = stretched(picture, c.w, c.h, c.w, 0, false);
      }
      EXPECT_EQ(fast, expected) << c.pw << "x" << c.ph << " to " << c.w << "x" << c.h
                                << (opaque ? " opaque" : " with alpha");
    }
  }
}

}  // namespace
}  // namespace orv::media
