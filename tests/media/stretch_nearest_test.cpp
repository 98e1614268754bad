// The sharp present: where the picture goes, and that every shown pixel is a copy of the game
// pixel it stands for.
#include "media/render/stretch_nearest.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::media {
namespace {

TEST(SharpRect, WholeMultiplesWhenTheyFitOtherwiseTheSmoothFit) {
  struct Case {
    int pw, ph, ww, wh;
    ScreenRect fit, expected;
  };
  const Case cases[] = {
      {320, 240, 1280, 1024, {}, {0, 32, 1280, 960}},             // 4 times, bars above and below
      {320, 240, 1920, 1080, {}, {320, 60, 1280, 960}},           // 4 times: 5 would be too tall
      {1024, 768, 1024, 768, {}, {0, 0, 1024, 768}},              // the picture's own size
      {1024, 768, 1920, 1080, {}, {448, 156, 1024, 768}},         // once, not stretched to 1.4
      {1024, 768, 800, 600, {0, 0, 800, 600}, {0, 0, 800, 600}},  // smaller: the fit
      {0, 768, 1920, 1080, {}, {}},
      {1024, 768, 0, 0, {}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(sharp_rect(c.pw, c.ph, c.ww, c.wh, c.fit), c.expected)
        << c.pw << "x" << c.ph << " in " << c.ww << "x" << c.wh;
}

// A picture whose every pixel is different, so a copied pixel tells where it came from.
std::vector<Pixel> numbered(int w, int h) {
  std::vector<Pixel> p(std::size_t(w) * h);
  for (std::size_t i = 0; i < p.size(); ++i)
    p[i] = Pixel(0xFF000000u | (i * 2654435761u & 0xFFFFFFu));
  return p;
}

// Every target pixel equals the picture pixel under its centre; rows are stride apart and the
// pixels between them untouched. Whole multiples give square blocks of one pixel each.
TEST(StretchNearest, EveryShownPixelIsTheGamePixelUnderItsCentreAtManySizes) {
  const int pw = 32, ph = 24;
  const std::vector<Pixel> picture = numbered(pw, ph);
  const TextureView view{picture.data(), pw, ph, pw};
  const std::pair<int, int> sizes[] = {{32, 24},  {64, 48}, {96, 72},  {45, 30},
                                       {100, 77}, {17, 13}, {320, 240}};
  for (const auto& [w, h] : sizes) {
    const std::ptrdiff_t stride = w + 5;
    std::vector<Pixel> target(std::size_t(stride) * h, 0x12345678u);
    stretch_nearest(view, target.data(), w, h, stride);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < stride; ++x) {
        const Pixel got = target[std::size_t(y * stride + x)];
        if (x >= w) {
          ASSERT_EQ(got, 0x12345678u) << "outside the rows at " << x << "," << y;
          continue;
        }
        const int sx = int((x + 0.5) * pw / w);
        const int sy = int((y + 0.5) * ph / h);
        ASSERT_EQ(got, picture[std::size_t(sy * pw + sx)])
            << w << "x" << h << " at " << x << "," << y;
      }
    }
    if (w % pw == 0 && h % ph == 0) {
      const int k = w / pw;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(target[std::size_t(y * stride + x)],
                    picture[std::size_t((y / k) * pw + x / k)]);
    }
  }
}

}  // namespace
}  // namespace orv::media
