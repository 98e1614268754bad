// One frame of the world: the drawing pass with the play rules inside it, then the
// level-complete test.
#include "world/world_frame.h"

#include "effects/drift_sprites.h"
#include "effects/screen_capture.h"
#include "game/game.h"
#include "media/numbers.h"
#include "world/actor_passes.h"
#include "world/hud.h"
#include "world/level_announcement.h"
#include "world/placed_objects.h"
#include "world/tile_pass.h"

namespace orv {
namespace {

// The shown score climbs one point a frame towards what was scored; the count of tiles still to
// fix never shows below 0.
void count_score_up(WorldState& w) {
  if (w.score < w.score_target) w.score += 1;
  if (w.remaining < 1) w.remaining = 0;
}

}  // namespace

void world_frame(Game& g) {
  if (g.config.world_drawing == 1) draw_world(g);
  WorldState& w = g.world;
  if (w.remaining < 1 && !w.completion_counted) {
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
  count_score_up(g.world);
  draw_hud(g);
}

}  // namespace orv
