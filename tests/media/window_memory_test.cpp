// Frames drawn straight into the memory the window shows: the same pictures as frames drawn
// in the game's own memory, without copies once the first frames are past.
#include <gtest/gtest.h>

#include "media/graphics.h"
#include "media/platform_headless/headless_platform.h"
#include "support/capture_frame.h"

namespace orv::media {
namespace {

constexpr int kW = 40, kH = 30;

// Title-like frames draw and present; play-like frames draw the world, grab it, clear, draw
// the grab stretched over the screen and the last frame's grab small in a corner, as the game
// keeps a picture a frame longer now and then.
struct Scene {
  explicit Scene(bool window) {
    platform.hand_out_window_memory(window);
    gfx.open_windowed_screen(gfx.open_window(kW, kH, "t"), kW, kH);
  }
  void frame(int n, bool play) {
    gfx.clear_screen(rgb(n * 7, 20, 30));
    gfx.box(n % 20, 3, 5, 4, rgb(200, n * 3, 0));
    if (play) {
      const auto [grab, whole] = testing::grab_and_stretch(gfx, kW, kH);
      const Sprite3dId small = gfx.create_sprite3d(kept);
      if (kept) gfx.display_sprite3d(small, 8, 8);
      gfx.stop_3d();
      gfx.free_sprite3d(whole);
      gfx.free_sprite3d(small);
      if (kept) gfx.free_sprite(kept);
      kept = grab;
    }
    gfx.box(0, 0, 3, 1, rgb(255, 255, 255));
    gfx.flip_buffers();
  }
  HeadlessPlatform platform;
  Graphics gfx{platform};
  SpriteId kept;
};

TEST(WindowMemory, FramesWithAndWithoutGrabsShowTheSamePicturesWithoutCopies) {
  Scene drawn_in_window(true), reference(false);
  std::int64_t copies_before = 0;
  for (int n = 0; n < 60; ++n) {
    const bool play = (n / 10) % 2 == 1;                            // title, play, title, play ...
    if (n == 45) drawn_in_window.platform.replace_window_memory();  // a resize mid-game
    drawn_in_window.frame(n, play);
    reference.frame(n, play);
    ASSERT_EQ(drawn_in_window.platform.last_presented().pixels,
              reference.platform.last_presented().pixels)
        << n;
    EXPECT_TRUE(drawn_in_window.gfx.drawing_in_window() || n % 20 == 0 || n == 45) << n;
    const std::int64_t copies =
        drawn_in_window.platform.copies() + drawn_in_window.gfx.window_copies();
    // Only the first frame, the first grab after the title and the resize copy anything.
    if (n % 10 >= 2 && n != 45) {
      EXPECT_EQ(copies, copies_before) << n;
    }
    copies_before = copies;
  }
  EXPECT_LE(copies_before, 6);
  EXPECT_EQ(reference.platform.copies(), 0);
}

TEST(WindowMemory, APictureDrawnAcrossFramesSurvivesTheWindowsReplacement) {
  Scene scene(true);
  scene.frame(0, false);
  scene.frame(1, false);
  ASSERT_TRUE(scene.gfx.drawing_in_window());
  scene.gfx.box(5, 5, 2, 2, rgb(9, 9, 9));  // a frame drawn over the last one, no clear
  scene.platform.replace_window_memory();
  scene.gfx.flip_buffers();
  scene.gfx.box(6, 6, 2, 2, rgb(1, 2, 3));
  scene.gfx.flip_buffers();
  const Image& shown = scene.platform.last_presented();
  EXPECT_EQ((std::vector{shown.at(5, 5), shown.at(6, 6), shown.at(10, 20)}),
            (std::vector{argb(255, 9, 9, 9), argb(255, 1, 2, 3), argb(255, 7, 20, 30)}));
  scene.frame(2, false);
  EXPECT_TRUE(scene.gfx.drawing_in_window());
}

}  // namespace
}  // namespace orv::media
