#include "media/platform_sdl/sdl_platform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "media/platform_sdl/sdl_convert.h"
#include "sdl/sdl_test_support.h"

namespace orv::media {
namespace {

using testing::make_platform;

TEST(SdlPlatform, WindowIsBorderlessCentredAndShowsTheStretchedBackBuffer) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  DesktopInfo desktop = platform->desktop();
  EXPECT_EQ(desktop.depth, 24);
  ASSERT_TRUE(platform->open_window(320, 240, "ORVANTE \xC4"));
  ASSERT_TRUE(platform->open_screen(80, 60));
  SDL_Window* window = platform->window();
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(x, (desktop.width - 320) / 2);
  EXPECT_EQ(y, (desktop.height - 240) / 2);
  EXPECT_EQ(w * 1000 + h, 320 * 1000 + 240);
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "ORVANTE \xC3\x84") << "Latin-1 title as UTF-8";

  // Quadrants of four colours, alpha bytes zero: the screen must ignore them.
  const Pixel colours[4] = {argb(0, 255, 0, 0), argb(0, 0, 255, 0), argb(0, 0, 0, 255),
                            argb(0, 255, 255, 0)};
  std::vector<Pixel> pixels(80 * 60);
  for (int i = 0; i < 80 * 60; ++i) pixels[i] = colours[(i / 80 / 30) * 2 + i % 80 / 40];
  platform->present(pixels.data(), 80, 60);
  std::vector<Pixel> shown(320 * 240);
  ASSERT_EQ(SDL_RenderReadPixels(platform->renderer(), nullptr, SDL_PIXELFORMAT_ARGB8888,
                                 shown.data(), 320 * 4),
            0);
  for (int q = 0; q < 4; ++q) {
    Pixel centre = shown[(60 + q / 2 * 120) * 320 + 80 + q % 2 * 160];
    EXPECT_EQ(centre & 0xFFFFFF, colours[q]) << "quadrant " << q;
  }
}

TEST(SdlPlatform, QuitWindowCloseAndSigtermRequestClosing) {
  for (int source = 0; source < 3; ++source) {
    auto platform = make_platform();
    ASSERT_TRUE(platform) << SDL_GetError();
    struct sigaction action {};
    sigaction(SIGTERM, nullptr, &action);
    ASSERT_NE(action.sa_handler, SIG_DFL) << "SDL did not take SIGTERM over";
    ASSERT_TRUE(platform->open_window(64, 48, "ORVANTE"));
    SDL_Event event{};
    event.type = source == 0 ? SDL_QUIT : SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(platform->window());
    if (source < 2) SDL_PushEvent(&event);
    if (source == 2) std::raise(SIGTERM);  // SDL turns it into SDL_QUIT
    if (source == 1) {
      while (!platform->close_requested()) ASSERT_NE(platform->wait_event(-1), 0);
    }
    EXPECT_TRUE(testing::pump_until(*platform, [&] { return platform->close_requested(); }))
        << "source " << source;
  }
}

TEST(SdlPlatform, CounterReadingsBecomeNanosecondsWithoutOverflow) {
  const std::uint64_t day_ns = 86'400ull * 1'000'000'000;  // counter * 1e9 would overflow
  EXPECT_EQ(counter_to_ns(day_ns, 1'000'000'000), std::int64_t(day_ns));
  EXPECT_EQ(counter_to_ns(86'400ull * 10'000'000 + 1, 10'000'000), std::int64_t(day_ns) + 100);
  EXPECT_EQ(scale_axis(-32768), -1000);
  EXPECT_EQ(scale_axis(32767), 1000);
  EXPECT_EQ(scale_axis(-16384), -500);
}

}  // namespace
}  // namespace orv::media
