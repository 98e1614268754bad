// The tile pass: the visible tiles of the level, each after the patterns that fix paint.
#include "world/tile_pass.h"

#include "game/game.h"
#include "media/numbers.h"
#include "rules/patterns.h"
#include "world/view_walk.h"

namespace orv {

void tile_pass(Game& g) {
  WorldState& w = g.world;
  media::Graphics& gfx = g.media.gfx;
  const float tw = g.config.tile_width, th = g.config.tile_height;
  walk_view(w, [&](int i, int j, int x, int y) {
    const Cell& before = w.grid.at(x, y);
    if (before.alpha <= 0 || before.live != 1) return;
    fix_blue_patterns(g, x, y);
    fix_pink_patterns(g, x, y);
    Cell& c = w.grid.at(x, y);  // the rules may have retiled it
    if (c.blend_source != 0 || c.blend_destination != 0) {
      gfx.sprite3d_blending(c.blend_source, c.blend_destination);
    }
    // The cell's own angle, turned on each drawn frame, on the sprite its tile kind shares.
    c.angle = media::turn_degrees(c.angle, float(c.rotation_step));
    gfx.rotate_sprite3d(c.sprite3d, c.angle, media::kRotateAbsolute);
    gfx.display_sprite3d(c.sprite3d, float(media::round_even(i * tw)),
                         float(media::round_even(j * th)), c.alpha);
    gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  });
}

}  // namespace orv
