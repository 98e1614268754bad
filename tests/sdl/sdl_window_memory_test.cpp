// The game drawing straight into the window surface's memory inside an X server (Xvfb): what
// the server shows is the back buffer, through grabs and resizes.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "media/graphics.h"
#include "sdl/sdl_test_support.h"
#include "sdl/x_server_view.h"
#include "support/capture_frame.h"

namespace orv::media {
namespace {

constexpr int kW = 80, kH = 60;

// A play frame: the world drawn, grabbed, cleared and drawn stretched, a box over it.
void play_frame(Graphics& gfx, int n) {
  gfx.clear_screen(rgb(n * 9, 40, 200));
  gfx.box(n % 50, 10, 20, 15, rgb(250, n * 5, 0));
  const auto [grab, whole] = testing::grab_and_stretch(gfx, kW, kH);
  gfx.stop_3d();
  gfx.free_sprite3d(whole);
  gfx.free_sprite(grab);
  gfx.box(0, 0, 8, 2, rgb(255, 255, 255));
  gfx.flip_buffers();
}

std::vector<std::uint32_t> drawn(const Graphics& gfx) {
  std::vector<std::uint32_t> out;
  for (Pixel p : gfx.back_buffer().pixels) out.push_back(p & 0xFFFFFFu);
  return out;
}

TEST(SdlWindowMemory, TheServerShowsTheBackBufferAfterGrabsAndResizes) {
  auto platform = make_platform();
  ASSERT_TRUE(platform);
  Graphics gfx(*platform);
  ASSERT_TRUE(gfx.open_windowed_screen(gfx.open_window(kW, kH, "ORVANTE"), kW, kH));
  if (!test::server_window_size(platform->window())) GTEST_SKIP() << "not an X11 window";
  auto shown = [&] { return test::server_window_pixels(platform->window(), 0, 0, kW, kH); };
  for (int n = 0; n < 5; ++n) play_frame(gfx, n);
  EXPECT_TRUE(gfx.drawing_in_window());
  const std::int64_t copies = gfx.window_copies();
  EXPECT_EQ(shown(), drawn(gfx));
  // Larger: the picture is scaled, drawn in the game's memory; back to its size, in the window.
  for (int size : {2, 1}) {
    SDL_SetWindowSize(platform->window(), kW * size, kH * size);
    ASSERT_TRUE(pump_until_size(*platform, kW * size, kH * size));
    for (int n = 0; n < 5; ++n) play_frame(gfx, n + 10 * size);
    EXPECT_EQ(gfx.drawing_in_window(), size == 1);
  }
  EXPECT_EQ(shown(), drawn(gfx));
  EXPECT_LE(gfx.window_copies(), copies + 2);
}

}  // namespace
}  // namespace orv::media
