// Drift sprites: decorative pictures that wander over the screen, bouncing off its edges. The
// effect sprite list drifts over play, the screen sprite list over the title and highscore
// screens; the folder scans fill both.
#pragma once

#include "game/assets_state.h"

namespace orv {

struct Game;

// The two lists bounce differently at the screen edges.
enum class DriftBounce {
  // Effect sprites: the right, bottom, left and top edges are tested one after the other, each
  // with the velocity the earlier tests left.
  kEffectSprites,
  // Screen sprites: a velocity is negated at most once per axis.
  kScreenSprites,
};

// Turns the velocity of one sprite back when its next step would leave the screen of the given
// size (the edges are 1 and the width or height).
void bounce_drift_sprite(DriftSprite& sprite, float screen_width, float screen_height,
                         DriftBounce bounce);

// One frame of a list: now and then a sprite takes a new random velocity, then every sprite
// bounces, moves and is drawn with additive blending. Needs start_3d.
void move_drift_sprites(Game& g, DriftSpriteList& list, DriftBounce bounce);

}  // namespace orv
