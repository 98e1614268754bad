#include "support/screen_game.h"

#include <algorithm>
#include <tuple>

#include "text/font.h"

namespace orv::test {

void open_test_screen(Game& g, int width, int height) {
  media::Graphics& gfx = g.media.gfx;
  const media::WindowId window = gfx.open_window(width, height, "test");
  gfx.open_windowed_screen(window, width, height);
  g.frame.screen_width = float(width), g.frame.screen_height = float(height);
}

std::string test_font_folder() {
  return std::string(ORV_FIXTURES) + "/font";
}

void load_test_font(ScreenGame& t, const std::string& characters) {
  t.game.config.font_path = test_font_folder();
  t.game.config.font_character_list = t.dir.write("chars.txt", characters + "\r\n");
  load_font(t.game);
}

media::Colour colour_at(const media::Image& image, int x, int y) {
  const media::Pixel p = image.at(x, y);
  return media::rgb(int(p >> 16) & 255, int(p >> 8) & 255, int(p) & 255);
}

namespace {

Rect clip_area(const media::Image& image, Rect area) {
  if (area.width <= 0 || area.height <= 0) return {0, 0, image.width, image.height};
  const int x1 = std::min(area.x + area.width, image.width);
  const int y1 = std::min(area.y + area.height, image.height);
  area.x = std::max(area.x, 0), area.y = std::max(area.y, 0);
  return {area.x, area.y, std::max(x1 - area.x, 0), std::max(y1 - area.y, 0)};
}

}  // namespace

std::optional<Rect> find_colour(const media::Image& image, media::Colour colour, Rect area) {
  area = clip_area(image, area);
  int left = image.width, top = image.height, right = -1, bottom = -1;
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x)
      if (colour_at(image, x, y) == colour)
        std::tie(left, right, top, bottom) =
            std::tuple(std::min(left, x), std::max(right, x), std::min(top, y), y);
  if (right < 0) return std::nullopt;
  return Rect{left, top, right - left + 1, bottom - top + 1};
}

bool anything_but(const media::Image& image, media::Colour colour, Rect area) {
  area = clip_area(image, area);
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x)
      if (colour_at(image, x, y) != colour) return true;
  return false;
}

const media::Image& draw_frame(ScreenGame& t, const std::function<void()>& draw,
                               media::Colour clear) {
  media::Graphics& gfx = t.media.gfx;
  gfx.start_3d();
  gfx.clear_screen(clear);
  draw();
  gfx.stop_3d();
  gfx.flip_buffers();
  return t.platform.last_presented();
}

}  // namespace orv::test
