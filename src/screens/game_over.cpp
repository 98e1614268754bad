// The end of a game: "GAME OVER" grows over the last picture, then the title menu or the end.
#include "screens/game_over.h"

#include "effects/screen_capture.h"
#include "game/errors.h"
#include "game/game.h"
#include "screens/title_menu.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

void game_over_frame(Game& g, float spacing) {
  media::Graphics& gfx = g.media.gfx;
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  gfx.clear_screen(media::rgb(0, 0, 0));
  gfx.start_3d();
  gfx.display_sprite3d(g.world.capture.sprite3d, 0, 0);
  draw_text(g, "  GAME OVER |", w * (0.3f - spacing / 10), h * 0.3f,
            {.zoom = 3.0f,
             .alpha = 240,
             .spacing = spacing,
             .blend_source = media::blend::kOne,
             .blend_destination = media::blend::kSourceAlpha});
  gfx.stop_3d();
  gfx.flip_buffers();
}

}  // namespace

void game_over(Game& g) {
  g.media.gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  grab_screen_capture(g);
  float spacing = 0.0f;
  for (float width = 1.0f; width < g.frame.screen_width; width += 20) {
    game_over_frame(g, spacing);
    spacing += 0.05f;
  }
  g.media.gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  return_to_title(g);
}

void return_to_title(Game& g) {
  g.frame.title_requested = false;
  if (g.frame.quit_requested) end_program(g);
  show_title_menu(g);
}

}  // namespace orv
