// The moving things of a world frame: both enemy groups and the player.
#include "world/actor_passes.h"

#include <cmath>

#include "enemy/enemy_movement.h"
#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "rules/tile_rules.h"
#include "world/placed_objects.h"

namespace orv {

namespace {

using MoveEnemy = void (*)(Game&, Enemy&, int);

// Whether an enemy drawn at (x, y) may show on the screen, however it is turned: the quad
// turns about its centre, so it stays within a square of its width + height around it.
bool may_show(const media::Graphics& gfx, const Enemy& e, double x, double y) {
  const double reach = std::abs(double(e.width)) + std::abs(double(e.height)) + 2.0;
  return x + reach >= 0 && y + reach >= 0 && x - reach <= gfx.screen_width() &&
         y - reach <= gfx.screen_height();
}

void enemy_pass(Game& g, std::vector<Enemy>& group, MoveEnemy move) {
  media::Graphics& gfx = g.media.gfx;
  const WorldState& w = g.world;
  for (Enemy& e : group) {
    if (e.rotation_step != 0)
      gfx.rotate_sprite3d(e.sprite3d, float(e.rotation_step), media::kRotateRelative);
    move(g, e, e.behaviour);
    const double sx = e.x + e.hotspot_x - double(w.view_origin_x) * g.config.tile_width;
    const double sy = e.y + e.hotspot_y - double(w.view_origin_y) * g.config.tile_height;
    // An enemy off the screen still moves and turns, but is not drawn.
    if (!may_show(gfx, e, sx, sy)) continue;
    if (e.blend_source > 0 || e.blend_destination > 0) {
      gfx.sprite3d_blending(e.blend_source, e.blend_destination);
    } else {
      gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
    }
    gfx.display_sprite3d(e.sprite3d, float(media::round_even(sx)), float(media::round_even(sy)),
                         e.alpha);
    gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  }
}

}  // namespace

void enemy_passes(Game& g) {
  enemy_pass(g, g.world.enemies_a, move_enemy_a);
  enemy_pass(g, g.world.enemies_b, move_enemy_b);
}

void update_player(Game& g) {
  const CellPosition c = cell_under_player(g);
  if (g.world.grid.at(c.x, c.y).contact == 1) touch_cell_objects(g, c.x, c.y);
  paint_by_player(g, c.x, c.y);
  const Player& p = g.world.player;
  media::Graphics& gfx = g.media.gfx;
  gfx.rotate_sprite3d(p.sprite3d, float(p.rotation_step), media::kRotateRelative);
  if (p.blend_source != 0 || p.blend_destination != 0) {
    gfx.sprite3d_blending(p.blend_source, p.blend_destination);
  }
  gfx.display_sprite3d(p.sprite3d, float(media::round_even(p.x)), float(media::round_even(p.y)),
                       255);
  gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
}

}  // namespace orv
