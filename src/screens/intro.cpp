// The intro and its credits.
#include "screens/intro.h"

#include "game/game.h"
#include "media/numbers.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/named_sounds.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

constexpr int kCreditsMs = 6000;
constexpr int kPresentingMs = 3000;
constexpr int kAuthorMs = 2000;

void begin_page(Game& g) {
  g.media.gfx.start_3d();
  g.media.gfx.clear_screen(media::rgb(0, 0, 0));
  draw_screen_background(g);
}

// The credits need the picture: without it the page stays black.
void show_credits_page(Game& g) {
  begin_page(g);
  if (g.screens.background_sprite3d) {
    float y = 0.30f;
    for (const char* line : screen_text::kCredits) {
      draw_text(g, line, g.frame.screen_width * 0.1f, g.frame.screen_height * y);
      y += 0.05f;
    }
  }
  show_screen_page(g);
}

void show_line_page(Game& g, const char* line) {
  begin_page(g);
  draw_text(g, line, g.frame.screen_width * 0.1f, g.frame.screen_height * 0.8f);
  show_screen_page(g);
}

}  // namespace

std::string intro_picture_name(const std::string& pattern, int digit) {
  const std::size_t hash = pattern.find('#');
  if (hash == std::string::npos) return {};
  return pattern.substr(0, hash) + media::str(digit) + pattern.substr(hash + 1);
}

void show_intro(Game& g, const std::function<void()>& first_page_shown) {
  ORV_FAULT_SITE(g, "io_control");
  g.frame.menu_active = true;
  g.media.gfx.examine_mouse();
  g.media.gfx.mouse_locate(0, 0);
  // The digit is drawn only for a pattern that has a "#".
  const std::string& pattern = g.config.load_screen;
  std::string picture;
  if (pattern.find('#') != std::string::npos) {
    picture = intro_picture_name(pattern, g.media.sys.random(1));
  }
  load_screen_background(g, picture);

  show_credits_page(g);
  if (first_page_shown) first_page_shown();
  g.media.sys.delay(kCreditsMs);
  play_named_sound(g, g.config.intro_sound1, false);
  show_line_page(g, screen_text::kPresenting);
  g.media.sys.delay(kPresentingMs);
  play_named_sound(g, g.config.intro_sound, false);
  show_line_page(g, screen_text::kAuthor);
  g.media.sys.delay(kAuthorMs);
}

}  // namespace orv
