// Play's capture in a test frame: the drawn world grabbed (but its one-pixel edge), the screen
// cleared and the grab drawn stretched over it. Returns with 3D drawing started, so the caller
// may draw more before stop_3d(), and frees both the grab and its 3D sprite.
#pragma once

#include "media/graphics.h"

namespace orv::media::testing {

struct Capture {
  SpriteId grab;
  Sprite3dId whole;
};

inline Capture grab_and_stretch(Graphics& gfx, int width, int height) {
  const SpriteId grab = gfx.grab_sprite(1, 1, width - 1, height - 1);
  const Sprite3dId whole = gfx.create_sprite3d(grab);
  gfx.clear_screen(rgb(0, 0, 0));
  gfx.zoom_sprite3d(whole, float(width), float(height));
  gfx.start_3d();
  gfx.display_sprite3d(whole, width / 2.0f, height / 2.0f);
  return {grab, whole};
}

}  // namespace orv::media::testing
