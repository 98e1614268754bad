// The SDL platform's screen inside an X server (Xvfb): the picture in a window of another size
// and in fullscreen, and the F11 / Alt+Enter switch.
#include "media/platform_sdl/sdl_screen.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "sdl/sdl_test_support.h"
#include "sdl/x_server_view.h"

namespace orv::media {
namespace {

using Rect = std::tuple<int, int, int, int>;

Rect as_tuple(const SDL_Rect& r) {
  return {r.x, r.y, r.w, r.h};
}

TEST(Letterbox, FillsTheLargestCentredRectangleOfThePicturesAspectRatio) {
  struct Case {
    int pw, ph, ww, wh;
    Rect expected;
  };
  const Case cases[] = {
      {1024, 768, 1024, 768, {0, 0, 1024, 768}},      // same size: no bars
      {1024, 768, 1920, 1080, {240, 0, 1440, 1080}},  // wide desktop: bars left and right
      {1024, 768, 1280, 1024, {0, 32, 1280, 960}},    // tall desktop: bars above and below
      {1024, 768, 512, 384, {0, 0, 512, 384}},        // smaller window: scaled down
      {4, 3, 5, 100, {0, 48, 5, 4}},                  // 3.75 rows round to 4
      {80, 60, 200, 60, {60, 0, 80, 60}},             // a wider window: unscaled, centred
      {0, 768, 1920, 1080, {0, 0, 0, 0}},             // nothing to show
      {1024, 768, 0, 0, {0, 0, 0, 0}},                // a minimised window
  };
  for (const Case& c : cases) {
    EXPECT_EQ(as_tuple(letterbox(c.pw, c.ph, c.ww, c.wh)), c.expected)
        << c.pw << "x" << c.ph << " in " << c.ww << "x" << c.wh;
  }
}

// Left half red, right half blue, alpha bytes zero, which the screen must ignore.
std::vector<Pixel> two_halves(int width, int height) {
  std::vector<Pixel> pixels(std::size_t(width) * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = int(i % width) < width / 2 ? 0xFF0000u : 0x0000FFu;
  }
  return pixels;
}

class SdlScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = make_platform();
    ASSERT_TRUE(platform && platform->open_window(80, 60, "ORVANTE")) << SDL_GetError();
    ASSERT_TRUE(platform->open_screen(80, 60)) << SDL_GetError();
  }
  void present() { platform->present(picture.data(), 80, 60); }
  Pixel at(int x, int y) { return shown_at(*platform, x, y); }
  // Sends a key press as the desktop would.
  void press(SDL_Scancode code, Uint16 mod = KMOD_NONE, bool repeat = false) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(platform->window());
    event.key.keysym.scancode = code;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
    platform->pump_events();
  }

  std::unique_ptr<SdlPlatform> platform;
  std::vector<Pixel> picture = two_halves(80, 60);
};

TEST_F(SdlScreenTest, AResizedWindowShowsThePictureScaledSmoothlyCentredWithBlackBars) {
  SDL_SetWindowSize(platform->window(), 320, 100);
  ASSERT_TRUE(pump_until_size(*platform, 320, 100));
  present();
  // 80x60 in 320x100 is 133x100 (133.3 rounded) at x = 93.
  EXPECT_EQ(as_tuple(platform->picture_rect()), Rect(93, 0, 133, 100));
  EXPECT_EQ(
      (std::vector{at(5, 50), at(92, 50), at(100, 50), at(220, 50), at(226, 50), at(319, 99)}),
      (std::vector<Pixel>{0, 0, 0xFF0000, 0x0000FF, 0, 0}));
  // Smooth scaling: where red meets blue the pixels are mixed, not one or the other.
  bool mixed = false;
  for (int x = 150; x < 170; ++x) {
    const Pixel p = at(x, 50);
    mixed = mixed || ((p >> 16) > 0 && (p >> 16) < 255 && (p & 0xFF) > 0);
  }
  EXPECT_TRUE(mixed);
}

// Sharp scaling at several window sizes: whole multiples where they fit, else the smooth
// letterbox's rectangle; inside it every shown pixel is the game pixel under its centre, and
// the bars are black.
TEST_F(SdlScreenTest, SharpScalingShowsAnExactNearestNeighbourCopyAtSeveralSizes) {
  for (int i = 0; i < 80 * 60; ++i) picture[std::size_t(i)] = Pixel((i * 2654435761u) & 0xFFFFFFu);
  platform->set_scaling(Scaling::kSharp);
  const std::tuple<int, int, Rect> sizes[] = {{160, 120, {0, 0, 160, 120}},
                                              {250, 200, {5, 10, 240, 180}},
                                              {320, 100, {120, 20, 80, 60}},
                                              {70, 50, {1, 0, 67, 50}}};
  for (const auto& [w, h, expected] : sizes) {
    SDL_SetWindowSize(platform->window(), w, h);
    ASSERT_TRUE(pump_until_size(*platform, w, h)) << w << "x" << h;
    present();
    const SDL_Rect r = platform->picture_rect();
    ASSERT_EQ(as_tuple(r), expected) << w << "x" << h;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool inside = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
        const int sx = ((x - r.x) * 2 + 1) * 80 / (r.w * 2);
        const int sy = ((y - r.y) * 2 + 1) * 60 / (r.h * 2);
        const Pixel want = inside ? picture[std::size_t(sy * 80 + sx)] : 0;
        ASSERT_EQ(at(x, y), want) << w << "x" << h << " at " << x << "," << y;
      }
    }
  }
}

// F11 or Alt+Enter switch fullscreen on and off again; key repeats and other keys do not.
TEST_F(SdlScreenTest, OnlyFreshF11OrAltEnterPressesToggleFullscreen) {
  const auto fullscreen_flag = [&] {
    return (SDL_GetWindowFlags(platform->window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
           SDL_WINDOW_FULLSCREEN_DESKTOP;
  };
  press(SDL_SCANCODE_F11, KMOD_NONE, true);
  press(SDL_SCANCODE_RETURN);
  press(SDL_SCANCODE_F12);
  EXPECT_FALSE(platform->fullscreen() || fullscreen_flag());
  press(SDL_SCANCODE_F11);
  EXPECT_TRUE(platform->fullscreen() && fullscreen_flag());
  press(SDL_SCANCODE_RETURN, KMOD_LALT);
  EXPECT_FALSE(platform->fullscreen() || fullscreen_flag());
  EXPECT_TRUE(pump_until_size(*platform, 80, 60));
  present();
  EXPECT_EQ(as_tuple(platform->picture_rect()), Rect(0, 0, 80, 60));
  EXPECT_EQ(at(60, 30), 0x0000FFu);
}

// Switched to fullscreen or opened so, the window takes the desktop's size as far as SDL knows,
// while on a bare X server (no window manager, as under xvfb-run) it keeps its own: the picture
// is letterboxed in the window the server shows, not cut at its right and bottom, and black
// beyond it. With a window manager the window covers the desktop.
TEST_F(SdlScreenTest, FullscreenLetterboxesThePictureInTheWindowTheServerShows) {
  if (!test::server_window_size(platform->window())) GTEST_SKIP() << "not an X11 window";
  const DesktopInfo desktop = platform->desktop();
  press(SDL_SCANCODE_F11);
  for (bool opened : {false, true}) {
    // The second time round, a window opened while fullscreen is set.
    ASSERT_TRUE(!opened ||
                (platform->open_window(80, 60, "ORVANTE") && platform->open_screen(80, 60)));
    EXPECT_TRUE(platform->fullscreen() &&
                SDL_GetWindowFlags(platform->window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    EXPECT_TRUE(pump_until_size(*platform, desktop.width, desktop.height)) << opened;
    for (int frame = 0; frame < 40; ++frame) {  // room for a window manager to act
      present();
      platform->pump_events();
      SDL_Delay(10);
    }
    const SDL_Point real = *test::server_window_size(platform->window());
    const SDL_Rect r = platform->picture_rect();
    EXPECT_EQ(as_tuple(r), as_tuple(letterbox(80, 60, real.x, real.y))) << opened;
    const auto row = test::server_window_pixels(platform->window(), r.x, r.y + r.h / 2, r.w, 1);
    ASSERT_TRUE(row);
    EXPECT_EQ(
        std::tuple((*row)[r.w / 8], (*row)[r.w * 7 / 8], at(desktop.width - 1, desktop.height - 1)),
        std::tuple(0xFF0000u, 0x0000FFu, 0u))
        << opened;
  }
}

}  // namespace
}  // namespace orv::media
