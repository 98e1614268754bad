// One frame of the world: the drawing pass with the play rules inside it, then the
// level-complete test.
#include "world/world_frame.h"

#include "effects/drift_sprites.h"
#include "effects/screen_capture.h"
#include "game/game.h"
#include "media/numbers.h"
#include "rules/tile_rules.h"
#include "world/view_walk.h"

namespace orv {

void world_frame(Game& g) {
  if (g.config.world_drawing == 1) draw_world(g);
  WorldState& w = g.world;
  if (w.remaining < 1) {
    w.level_start_score = w.score;
    w.level = media::saturating_add(w.level, 1);
    w.time = 0;
  }
}

void draw_world(Game& g) {
  g.media.gfx.clear_screen(media::rgb(0, 0, 0));
  move_drift_sprites(g, g.assets.effect_sprites, DriftBounce::kEffectSprites);
  tile_pass(g);
  object_pass(g);
  enemy_passes(g);
  update_player(g);
  level_announcement(g);
  screen_capture_pass(g, g.config.smooth);
  draw_hud(g);
}

void tile_pass(Game& g) {
  WorldState& w = g.world;
  media::Graphics& gfx = g.media.gfx;
  const float tw = g.config.tile_width, th = g.config.tile_height;
  walk_view(w, [&](int i, int j, int x, int y) {
    const Cell& before = w.grid.at(x, y);
    if (before.alpha <= 0 || before.live != 1) return;
    fix_blue_patterns(g, x, y);
    fix_pink_patterns(g, x, y);
    const Cell& c = w.grid.at(x, y);  // the rules may have retiled it
    if (c.blend_source != 0 || c.blend_destination != 0) {
      gfx.sprite3d_blending(c.blend_source, c.blend_destination);
    }
    gfx.rotate_sprite3d(c.sprite, float(c.rotation_step), kRotateRelative);
    gfx.display_sprite3d(c.sprite, float(media::round_even(i * tw)),
                         float(media::round_even(j * th)), c.alpha);
    gfx.sprite3d_blending(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  });
}

}  // namespace orv
