// The screen capture and the full-screen pass that stretches the drawn frame over the screen.
#include "effects/screen_capture.h"
#include "game/game.h"
#include "media/numbers.h"

namespace orv {

void free_screen_capture(Game& g) {
  ScreenCapture& c = g.world.capture;
  media::Graphics& gfx = g.media.gfx;
  if (c.sprite3d && gfx.is_sprite3d(c.sprite3d)) gfx.free_sprite3d(c.sprite3d);
  if (c.sprite && gfx.is_sprite(c.sprite)) gfx.free_sprite(c.sprite);
  c = ScreenCapture{};
}

void grab_screen_capture(Game& g) {
  free_screen_capture(g);
  media::Graphics& gfx = g.media.gfx;
  const float zoom = g.config.grab_zoom_factor;
  const int w = media::round_even(double(g.frame.screen_width) * zoom - 1);
  const int h = media::round_even(double(g.frame.screen_height) * zoom - 1);
  ScreenCapture& c = g.world.capture;
  c.sprite = gfx.grab_sprite(1, 1, w, h);
  if (c.sprite) c.sprite3d = gfx.create_sprite3d(c.sprite);
}

void screen_capture_pass(Game& g, int smooth) {
  media::Graphics& gfx = g.media.gfx;
  gfx.sprite3d_quality(0);
  gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 0, 255));
  gfx.sprite3d_quality(smooth);
  grab_screen_capture(g);  // frees the previous capture first
  const ScreenCapture& c = g.world.capture;
  gfx.zoom_sprite3d(c.sprite3d, float(media::round_even(g.frame.screen_width)),
                    float(media::round_even(g.frame.screen_height)));
  gfx.clear_screen(media::rgb(0, 0, 0));
  gfx.display_sprite3d(c.sprite3d, 0, 0, 255);
  gfx.sprite3d_quality(0);
}

}  // namespace orv
