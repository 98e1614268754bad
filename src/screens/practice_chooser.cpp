// The practice level chooser: one number over the title's background.
#include "screens/practice_chooser.h"

#include <algorithm>

#include "game/game.h"
#include "input/menu_input.h"
#include "input/player_input.h"
#include "media/numbers.h"
#include "screens/screen_loop.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

constexpr const char* kHeading = "  PRACTICE|";
constexpr const char* kKeyboardHint = "  ARROWS CHOOSE   RETURN STARTS   ESCAPE GOES BACK|";
constexpr const char* kPadHint = "  D-PAD CHOOSES   A STARTS   B GOES BACK|";

void draw_chooser(Game& g, std::int32_t level, std::int32_t highest) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  draw_screen_base(g);
  draw_text(g, kHeading, w * 0.1f, h * 0.21f, {.zoom = 1.5f});
  draw_text(g, "  START AT DIMENSION " + media::str(level) + "|", w * 0.1f, h * 0.45f);
  draw_text(g, "  DIMENSIONS 1 TO " + media::str(highest) + " REACHED SO FAR|", w * 0.1f, h * 0.52f,
            {.zoom = 0.6f, .alpha = 240});
  draw_text(g, "  NOT KEPT IN THE TABLE OF BEST SCORES|", w * 0.1f, h * 0.57f,
            {.zoom = 0.6f, .alpha = 240});
  draw_text(g, g.frame.joypad_present ? kPadHint : kKeyboardHint, w * 0.1f, h * 0.9f,
            {.zoom = 0.5f});
}

}  // namespace

std::optional<std::int32_t> choose_practice_level(Game& g) {
  const std::int32_t highest = std::max(g.frame.play.reached_level, 1);
  std::int32_t level = highest;
  start_menu_input(g);
  for (;;) {
    draw_chooser(g, level, highest);
    show_screen_page(g);
    const MenuInput in = read_menu_input(g);
    if (in.up || in.right) level = std::min(level + 1, highest);
    if (in.down || in.left) level = std::max(level - 1, 1);
    if (in.enter) {
      // The A or Return that chose must not drop a bomb or act in the game that follows.
      hold_back_until_released(g.input, Command::kA);
      return level;
    }
    if (in.back || in.pad_b) {
      // The Escape (or Back) that left must not count on the title as well.
      hold_back_until_released(g.input, Command::kQuit);
      return std::nullopt;
    }
  }
}

}  // namespace orv
