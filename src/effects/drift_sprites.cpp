// Drift sprites: random velocity changes, bouncing, moving and drawing.
#include "effects/drift_sprites.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

// One chance in kNewVelocityChance + 1 per frame of a new velocity; its parts are -10 .. 10.
constexpr int kNewVelocityChance = 50;
constexpr int kMaxSpeed = 10;

float random_velocity(media::System& sys) {
  // Two separate statements: the order of the draws is part of a seeded run.
  const int forward = sys.random(kMaxSpeed);
  const int back = sys.random(kMaxSpeed);
  return float(forward - back);
}

void maybe_change_velocity(media::System& sys, DriftSprite& s) {
  if (sys.random(kNewVelocityChance) != 0) return;
  s.velocity_x = random_velocity(sys);
  s.velocity_y = random_velocity(sys);
}

void bounce_each_edge(DriftSprite& s, float width, float height) {
  if (s.x + s.velocity_x > width) s.velocity_x = -s.velocity_x;
  if (s.y + s.velocity_y > height) s.velocity_y = -s.velocity_y;
  if (s.x + s.velocity_x < 1.0f) s.velocity_x = -s.velocity_x;
  if (s.y + s.velocity_y < 1.0f) s.velocity_y = -s.velocity_y;
}

void bounce_once_per_axis(DriftSprite& s, float width, float height) {
  const float next_x = s.x + s.velocity_x;
  if (next_x > width || next_x < 1.0f) s.velocity_x = -s.velocity_x;
  const float next_y = s.y + s.velocity_y;
  if (next_y > height || next_y < 1.0f) s.velocity_y = -s.velocity_y;
}

}  // namespace

void bounce_drift_sprite(DriftSprite& sprite, float screen_width, float screen_height,
                         DriftBounce bounce) {
  if (bounce == DriftBounce::kEffectSprites) {
    bounce_each_edge(sprite, screen_width, screen_height);
  } else {
    bounce_once_per_axis(sprite, screen_width, screen_height);
  }
}

void move_drift_sprites(Game& g, DriftSpriteList& list, DriftBounce bounce) {
  media::Graphics& gfx = g.media.gfx;
  gfx.sprite3d_blending(media::blend::kOne, media::blend::kSourceAlpha);
  for (DriftSprite& s : list) {
    maybe_change_velocity(g.media.sys, s);
    bounce_drift_sprite(s, g.frame.screen_width, g.frame.screen_height, bounce);
    s.x += s.velocity_x;
    s.y += s.velocity_y;
    gfx.display_sprite3d(s.sprite3d, float(media::round_even(s.x)), float(media::round_even(s.y)),
                         255);
  }
  gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
}

}  // namespace orv
