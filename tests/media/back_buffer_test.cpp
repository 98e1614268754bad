// The back buffer's lazy clear: kept track of box by box only while that pays.
#include "media/back_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orv::media {
namespace {

// One frame: a clear in a colour of its own, then a draw into the box (0, 0)-(10, 10), covering
// (every pixel replaced outright) or not. True when the clear was kept track of box by box,
// that is when the far pixel does not show the new clear yet.
bool frame(BackBuffer& buffer, int number, bool cover) {
  const Pixel colour = argb(255, number % 200, 7, 9);
  buffer.clear(colour);
  Image& image = buffer.write_box(0, 0, cover ? 40 : 10, cover ? 30 : 10, cover);
  const bool boxes = image.at(39, 29) != colour;
  if (cover) std::fill(image.pixels.begin(), image.pixels.end(), argb(255, 1, 2, 3));
  // Whatever the way, the frame ends showing the clear wherever nothing was drawn.
  EXPECT_EQ(buffer.read().at(39, 29), cover ? argb(255, 1, 2, 3) : colour) << number;
  return boxes;
}

TEST(BackBufferClear, BoxesAreKeptTrackOfOnlyWhileTheyPay) {
  BackBuffer buffer;
  buffer.reset(40, 30);
  int number = 0;
  EXPECT_TRUE(frame(buffer, number++, false));  // tried first
  // A scene that hides nothing: one plain fill per frame, tried box by box now and then.
  int tries = 0;
  for (int i = 0; i < 90; ++i) tries += frame(buffer, number++, false);
  EXPECT_GE(tries, 1);
  EXPECT_LE(tries, 4);
  // The scene turns opaque: box by box again within a second, and from then on.
  int plain = 0;
  while (!frame(buffer, number++, true)) ASSERT_LT(++plain, 60);
  for (int i = 0; i < 30; ++i) EXPECT_TRUE(frame(buffer, number++, true)) << i;
}

}  // namespace
}  // namespace orv::media
