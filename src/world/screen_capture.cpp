// The screen capture.
#include "world/screen_capture.h"

#include "frame/game.h"
#include "media/numbers.h"

namespace orv {

void free_screen_capture(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  WorldState& w = g.world;
  if (w.capture_sprite3d != 0 && gfx.is_sprite3d(w.capture_sprite3d))
    gfx.free_sprite3d(w.capture_sprite3d);
  if (w.capture_sprite != 0 && gfx.is_sprite(w.capture_sprite)) gfx.free_sprite(w.capture_sprite);
  w.capture_sprite3d = 0;
  w.capture_sprite = 0;
}

void capture_screen(Game& g) {
  free_screen_capture(g);
  media::Graphics& gfx = g.media.gfx;
  const float zoom = g.config.full_screen_zoom;
  const int width = media::round_even(g.frame.screen_width * zoom - 1);
  const int height = media::round_even(g.frame.screen_height * zoom - 1);
  g.world.capture_sprite = gfx.grab_sprite(1, 1, width, height);
  if (g.world.capture_sprite != 0)
    g.world.capture_sprite3d = gfx.create_sprite3d(g.world.capture_sprite);
}

}  // namespace orv
