#include <gtest/gtest.h>

#include "media/files.h"
#include "media/graphics.h"
#include "support/fake_platform.h"

namespace orv::media {
namespace {

constexpr std::int64_t kFrameNs = 16'666'667;

class GraphicsWindow : public ::testing::Test {
 protected:
  testing::FakePlatform platform;
  Files files{::testing::TempDir()};
  Graphics gfx{platform, files};

  void open(int w = 64, int h = 48) {
    Handle window = gfx.open_window(0, 0, w, h, "test", 0);
    ASSERT_NE(window, 0);
    ASSERT_NE(gfx.open_windowed_screen(window, 0, 0, w, h, true), 0);
  }
};

TEST_F(GraphicsWindow, OpensABackBufferOfTheScreenSize) {
  gfx.examine_desktops();
  EXPECT_EQ(gfx.desktop_width(), 1280);
  EXPECT_EQ(gfx.desktop_frequency(), 75);
  open(64, 48);
  EXPECT_EQ(gfx.back_buffer().width, 64);
  EXPECT_EQ(gfx.back_buffer().height, 48);
  gfx.clear_screen(rgb(1, 2, 3));
  gfx.box(60, 40, 10, 10, rgb(255, 0, 0));  // clipped to 4x8
  gfx.flip_buffers();
  ASSERT_EQ(platform.presents, 1);
  EXPECT_EQ(platform.last_frame.at(0, 0) & 0xFFFFFF, 0x010203u);
  EXPECT_EQ(platform.last_frame.at(63, 47) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(platform.last_frame.at(59, 47) & 0xFFFFFF, 0x010203u);
}

TEST_F(GraphicsWindow, PlatformFailuresAndBadSizesGiveZero) {
  platform.window_fails = true;
  EXPECT_EQ(gfx.open_window(0, 0, 64, 48, "t", 0), 0);
  platform.window_fails = false;
  EXPECT_EQ(gfx.open_window(0, 0, -5, 48, "t", 0), 0);
  EXPECT_EQ(gfx.open_window(0, 0, 1 << 20, 1 << 20, "t", 0), 0);
  Handle window = gfx.open_window(0, 0, 64, 48, "t", 0);
  ASSERT_NE(window, 0);
  EXPECT_EQ(gfx.open_windowed_screen(window + 1, 0, 0, 64, 48, true), 0);
  EXPECT_EQ(gfx.open_windowed_screen(window, 0, 0, 0, 48, true), 0);
  platform.screen_fails = true;
  EXPECT_EQ(gfx.open_windowed_screen(window, 0, 0, 64, 48, true), 0);
  // Drawing without a screen does nothing and does not crash.
  gfx.clear_screen(rgb(1, 1, 1));
  gfx.box(0, 0, 5, 5, 0);
  gfx.flip_buffers();
  EXPECT_EQ(platform.presents, 0);
}

TEST_F(GraphicsWindow, PacesSixtyFramesPerSecondOnTheClock) {
  open();
  platform.present_cost_ns = 2'000'000;  // each frame takes some time to show
  for (int i = 0; i < 120; ++i) gfx.flip_buffers();
  EXPECT_EQ(gfx.frames_shown(), 120);
  EXPECT_NEAR(double(platform.clock_ns), 2e9, 1e3);
  ASSERT_EQ(platform.sleeps.size(), 120u);
  for (std::int64_t s : platform.sleeps) EXPECT_NEAR(double(s), kFrameNs - 2'000'000, 1);
}

TEST_F(GraphicsWindow, SlowFramesCatchUpButALongStallResyncs) {
  open();
  gfx.flip_buffers();  // the schedule starts here
  // One frame 30 ms late: the next frames run without sleeping until back on schedule.
  platform.clock_ns += 30'000'000;
  const std::size_t before = platform.sleeps.size();
  gfx.flip_buffers();
  EXPECT_EQ(platform.sleeps.size(), before);
  gfx.flip_buffers();
  ASSERT_EQ(platform.sleeps.size(), before + 1);
  EXPECT_EQ(platform.clock_ns % kFrameNs, 0);  // back on the original schedule
  // A stall of a second does not make the game race through the missed frames.
  platform.clock_ns += 1'000'000'000;
  gfx.flip_buffers();
  const std::size_t after_stall = platform.sleeps.size();
  gfx.flip_buffers();
  ASSERT_EQ(platform.sleeps.size(), after_stall + 1);
  EXPECT_EQ(platform.sleeps.back(), kFrameNs);
}

TEST_F(GraphicsWindow, EventsAndMouseGoToThePlatform) {
  platform.event_to_return = 7;
  EXPECT_EQ(gfx.window_event(-1), 7);
  EXPECT_EQ(platform.last_wait_timeout, -1);
  gfx.examine_mouse();
  gfx.examine_mouse();
  EXPECT_EQ(platform.captures, 1);  // hidden and confined once, from the first call on
  gfx.mouse_locate(10, 10);
  EXPECT_EQ(platform.moves, 1);
}

}  // namespace
}  // namespace orv::media
