// The highscore screen: the score of the game just played, shown when the time has run out.
#include "screens/highscore.h"

#include <string>

#include "game/game.h"
#include "media/numbers.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/music.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

void draw_highscore_texts(Game& g, const std::string& global_line, const std::string& player_line,
                          int fade_in_alpha) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  const float left = w * 0.3f;
  draw_text(g, screen_text::kTitle, w * 0.4f, h * 0.2f, 1.0f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, global_line, left, h * 0.25f, 1.0f, 0.0f, 255, 1.0f, 0, 0);
  draw_text(g, player_line, left, h * 0.3f, 0.8f, 0.0f, 240, 1.0f, 0, 0);
  draw_text(g, screen_text::kOnlineHighscore, left, h * 0.35f, 0.4f, 0.0f, 240, 1.0f, 0, 0);
  draw_text(g, continue_prompt(g), left, h * 0.65f, 0.8f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, screen_text::kNotice, left, h * 0.9f, 0.4f, 0.0f, 255, 1.0f, 0, 0);
}

}  // namespace

void show_highscore(Game& g) {
  const std::string score = media::str(g.world.score);
  const std::string global_line = screen_text::kGlobalHighscore + score + "|";
  const std::string player_line =
      screen_text::kPlayer + g.world.player_name + screen_text::kPlayerScore + score + "|";
  run_screen_loop(g, kScoreTrack, [&](int fade_in_alpha) {
    draw_highscore_texts(g, global_line, player_line, fade_in_alpha);
  });
  g.frame.menu_active = false;
}

}  // namespace orv
