// The level announcement: after a level is built, "DIMENSION n" spreads out over the first
// picture of the level for as many frames as the screen is wide, divided by five.
#include "world/level_announcement.h"

#include "effects/screen_capture.h"
#include "game/game.h"
#include "media/numbers.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

// A key pressed during the title's demo ends it at once, announcement or not.
bool demo_interrupted(const TapeState& tape) {
  return tape.mode == TapeMode::kDemo && tape.tape != nullptr && tape.tape->live_input_seen();
}

}  // namespace

void level_announcement(Game& g) {
  if (g.world.level_transition_pending != 1) return;
  media::Graphics& gfx = g.media.gfx;
  grab_screen_capture(g);
  gfx.clear_screen(media::rgb(0, 0, 0));
  const float width = g.frame.screen_width;
  const float height = g.frame.screen_height;
  const std::string text = "  DIMENSION " + media::str(g.world.level) + "| ";
  float spacing = 0.0f;
  for (float w = 1.0f; w < width && !demo_interrupted(g.tape); w += 5.0f) {
    gfx.start_3d();
    gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
    gfx.display_sprite3d(g.world.capture.sprite3d, 0, 0, 255);
    draw_text(g, text, width * (0.4f - spacing / 6), height * 0.3f,
              {.zoom = 3.0f,
               .alpha = 240,
               .spacing = spacing,
               .blend_source = media::blend::kOne,
               .blend_destination = media::blend::kSourceAlpha});
    gfx.stop_3d();
    gfx.flip_buffers();
    spacing += 0.01f;
  }
  g.world.level_transition_pending = false;
  free_screen_capture(g);
  // The announcement runs inside the frame's drawing: the rest of the frame (the full-screen
  // pass and the head-up display) must still be drawn, or the frame after it shows black.
  gfx.start_3d();
}

}  // namespace orv
