// A game on a headless platform that reports every presented frame, with helpers to open a
// small screen, load the test font and find things on screen by colour.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/game.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "support/test_game.h"

namespace orv::test {

// Calls on_present with every presented frame and the virtual time at which it was shown, and
// on_sleep with every sleep of the game.
class RecordingPlatform : public media::HeadlessPlatform {
 public:
  std::function<void(const media::Image& frame, std::int64_t now_ns)> on_present;
  std::function<void(std::int64_t ns)> on_sleep;

  void sleep_ns(std::int64_t ns) override {
    HeadlessPlatform::sleep_ns(ns);
    if (on_sleep) on_sleep(ns);
  }

  void present(const media::Pixel* pixels, int width, int height) override {
    HeadlessPlatform::present(pixels, width, height);
    if (on_present) on_present(last_presented(), now_ns());
  }
};

struct ScreenGame {
  ScreenGame() : media(platform, "/home/tester/"), game(media) {
    game.frame.start_directory = dir.path();
  }
  TempDir dir;
  RecordingPlatform platform;
  media::Media media;
  Game game;
};

// Opens a window and drawable screen of this size and makes it the game's screen size.
void open_test_screen(Game& g, int width, int height);

// The folder of the test font (tests/fixtures/font).
std::string test_font_folder();
// Loads the test font with a character list whose first line is characters.
void load_test_font(ScreenGame& t, const std::string& characters);

// Colours of the test font's glyphs, as r + g * 256 + b * 65536.
namespace glyph_colour {
constexpr media::Colour kA = media::rgb(255, 0, 0);
constexpr media::Colour kB = media::rgb(0, 200, 0);
constexpr media::Colour kZ = media::rgb(0, 0, 255);
constexpr media::Colour kLowerU = media::rgb(0, 128, 128);
constexpr media::Colour kS = media::rgb(128, 128, 0);
constexpr media::Colour kNoBomb = media::rgb(255, 128, 0);
constexpr media::Colour kFuel = media::rgb(0, 255, 255);
constexpr media::Colour kE = media::rgb(255, 128, 128);
constexpr media::Colour kK = media::rgb(0, 255, 0);
constexpr media::Colour kJ = media::rgb(0, 0, 128);
constexpr media::Colour kO = media::rgb(200, 0, 0);
constexpr media::Colour kFour = media::rgb(200, 10, 200);
}  // namespace glyph_colour

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// The colour of a pixel, alpha byte ignored.
media::Colour colour_at(const media::Image& image, int x, int y);
// The bounding box of every pixel of exactly this colour inside the area (whole image when
// the area is empty); nullopt when there is none.
std::optional<Rect> find_colour(const media::Image& image, media::Colour colour, Rect area = {});
// Whether any pixel in the area differs from the colour.
bool anything_but(const media::Image& image, media::Colour colour, Rect area);

// Clears the back buffer to the colour, runs draw between start_3d and stop_3d, flips, and
// returns the presented frame.
const media::Image& draw_frame(ScreenGame& t, const std::function<void()>& draw,
                               media::Colour clear = media::rgb(0, 0, 0));

}  // namespace orv::test
