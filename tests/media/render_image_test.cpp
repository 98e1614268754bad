#include <gtest/gtest.h>

#include <cstdint>

#include "media/render/render.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::count_drawn;
using testing::rect_quad;

constexpr Pixel kBlack = argb(255, 0, 0, 0);

TEST(RenderTexture, OnlyTheExactKeyColourBecomesTransparentBlack) {
  Image pic(4, 1);
  pic.at(0, 0) = argb(255, 255, 0, 255);  // the key
  pic.at(1, 0) = argb(255, 254, 0, 255);  // one step off
  pic.at(2, 0) = argb(255, 255, 1, 255);
  pic.at(3, 0) = argb(128, 10, 20, 30);  // a picture's own alpha stays
  const Image tex = make_texture(pic, rgb(255, 0, 255));
  EXPECT_EQ(tex.at(0, 0), 0u);
  EXPECT_EQ(tex.at(1, 0), pic.at(1, 0));
  EXPECT_EQ(tex.at(2, 0), pic.at(2, 0));
  EXPECT_EQ(tex.at(3, 0), pic.at(3, 0));
  EXPECT_EQ(make_texture(pic, std::nullopt).pixels, pic.pixels);

  // Drawn: the key leaves the background, the near miss is drawn, alpha 128 is half mixed.
  Image target(4, 1, argb(255, 0, 0, 200));
  draw_quad(target, tex, rect_quad(0, 0, 4, 1), 255, {5, 6}, false);
  EXPECT_EQ(target.at(0, 0) & 0xFFFFFF, 0x0000C8u);
  EXPECT_EQ(target.at(1, 0) & 0xFFFFFF, 0xFE00FFu);
  EXPECT_EQ(target.at(3, 0) & 0xFFFFFF, 0x050A73u);  // (10, 20, 30) * 128/255 + 200 * 127/255
}

TEST(RenderRect, FillIsClippedAndIgnoresEmptySizes) {
  Image target(8, 6, kBlack);
  const Pixel white = argb(255, 255, 255, 255);
  fill_rect(target, -3, -2, 5, 4, white);    // 2x2 in the corner
  fill_rect(target, 6, 4, 100, 100, white);  // 2x2 in the opposite corner
  fill_rect(target, 3, 3, -2, 2, white);     // nothing
  fill_rect(target, 2000000000, 0, 2000000000, 5, white);
  fill_rect(target, -2000000000, 0, 2000000000, 5, white);
  EXPECT_EQ(count_drawn(target, kBlack), 8);
  EXPECT_EQ(target.at(1, 1), white);
  EXPECT_EQ(target.at(7, 5), white);
}

TEST(RenderRect, CopyFillsWhatLiesOutsideWithOpaqueBlack) {
  Image source(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) source.at(x, y) = argb(7, x, y, 1);  // alpha becomes 255
  const Image copy = copy_rect(source, 2, -1, 4, 3);
  ASSERT_EQ(copy.width, 4);
  ASSERT_EQ(copy.height, 3);
  EXPECT_EQ(copy.at(0, 0), kBlack);              // above the source
  EXPECT_EQ(copy.at(0, 1), argb(255, 2, 0, 1));  // source (2, 0)
  EXPECT_EQ(copy.at(1, 2), argb(255, 3, 1, 1));  // source (3, 1)
  EXPECT_EQ(copy.at(2, 1), kBlack);              // right of the source
  EXPECT_TRUE(copy_rect(source, 0, 0, 0, 5).empty());
  EXPECT_TRUE(copy_rect(source, 0, 0, 5, -1).empty());
  EXPECT_TRUE(copy_rect(source, 0, 0, 1 << 20, 1 << 20).empty());
  const Image far = copy_rect(source, -2000000000, 2000000000, 2, 2);
  EXPECT_EQ(far.pixels, Image(2, 2, kBlack).pixels);
}

std::uint32_t u32_at(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

TEST(RenderBmp, WritesHeaderPaddedRowsBottomUp) {
  Image img(3, 2);
  for (int x = 0; x < 3; ++x) {
    img.at(x, 0) = argb(9, 10 + x, 20 + x, 30 + x);  // top row
    img.at(x, 1) = argb(9, 40 + x, 50 + x, 60 + x);  // bottom row
  }
  const Bytes bmp = encode_bmp24(img);
  const std::size_t row = 12;  // 9 bytes of pixels padded to 12
  ASSERT_EQ(bmp.size(), 54 + 2 * row);
  EXPECT_EQ(bmp[0] | bmp[1] << 8, 'B' | 'M' << 8);
  // File size, pixel offset, header size, width, height (positive: bottom-up), planes and
  // bits per pixel, no compression, image size.
  const std::pair<std::size_t, std::uint32_t> fields[] = {
      {2, 78}, {10, 54}, {14, 40}, {18, 3}, {22, 2}, {26, 1 | 24 << 16}, {30, 0}, {34, 24}};
  for (auto [offset, value] : fields) EXPECT_EQ(u32_at(bmp, offset), value) << offset;
  // First stored row is the bottom one, blue first; then three zero bytes of padding.
  const Bytes first(bmp.begin() + 54, bmp.begin() + 54 + row);
  EXPECT_EQ(first, (Bytes{60, 50, 40, 61, 51, 41, 62, 52, 42, 0, 0, 0}));
  EXPECT_EQ(bmp[54 + row], 30);
  EXPECT_EQ(bmp[54 + row + 2], 10);
}

}  // namespace
}  // namespace orv::media
