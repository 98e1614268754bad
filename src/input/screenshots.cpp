// Screenshots.
#include "input/screenshots.h"

#include "game/game.h"
#include "game/input_state.h"
#include "media/numbers.h"
#include "media/system.h"
#include "media/system/format_date.h"

namespace orv {

void screenshot_test(Game& g, Command command) {
  if (command != Command::kScreenshot) return;
  const std::string stamp = media::format_date("%yyyy%mm%dd%hh%ii%ss", g.media.sys.date());
  take_screenshot(g, g.config.screenshot_prefix + stamp);
}

void take_screenshot(Game& g, const std::string& base_name) {
  media::Graphics& gfx = g.media.gfx;
  const int width = media::round_even(g.frame.screen_width - 2);
  const int height = media::round_even(g.frame.screen_height - 2);
  const media::SpriteId picture = gfx.grab_sprite(2, 2, width, height);
  if (!picture) return;
  gfx.save_sprite(picture, base_name + ".bmp");
  gfx.free_sprite(picture);
}

}  // namespace orv
