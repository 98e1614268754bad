#include "screens/paused_replay.h"

#include <utility>

#include "game/game.h"
#include "text/text_drawing.h"

namespace orv {

void mark_paused_picture(Game& g, std::vector<media::Pixel>& picture, int width, int height) {
  media::Graphics& gfx = g.media.gfx;
  media::Image& back = gfx.back_buffer();
  if (back.width != width || back.height != height || picture.size() != back.pixels.size()) return;
  back.pixels.swap(picture);
  const TextState text = g.text;
  gfx.start_3d();
  draw_text(g, " PAUSED|", float(width) * 0.06f, float(height) * 0.2f, {.zoom = 1.5f});
  gfx.stop_3d();
  g.text = text;
  back.pixels.swap(picture);
}

}  // namespace orv
