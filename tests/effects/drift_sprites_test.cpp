#include "effects/drift_sprites.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// On a 100 x 80 screen the velocity turns only where the next step would leave the screen.
TEST(DriftBounce, VelocityTurnsOnlyWhereTheNextStepLeavesTheScreen) {
  const struct {
    float x, y, vx, vy, effect_vx, effect_vy, screen_vx, screen_vy;
  } cases[] = {{98, 78, 5, 5, -5, -5, -5, -5},       // past the right and bottom edges
               {95, 75, 5, 5, 5, 5, 5, 5},           // reaching them
               {2, 3, -3, -4, 3, 4, 3, 4},           // below 1
               {4, 5, -3, -4, -3, -4, -3, -4},       // reaching 1
               {50, 40, 60, -50, 60, 50, -60, 50}};  // too far: the effect rule turns back again
  for (const auto& c : cases)
    for (DriftBounce bounce : {DriftBounce::kEffectSprites, DriftBounce::kScreenSprites}) {
      const bool effect = bounce == DriftBounce::kEffectSprites;
      DriftSprite s{c.x, c.y, {}, c.vx, c.vy};
      bounce_drift_sprite(s, 100.0f, 80.0f, bounce);
      EXPECT_EQ(s.velocity_x, effect ? c.effect_vx : c.screen_vx) << c.x << " " << effect;
      EXPECT_EQ(s.velocity_y, effect ? c.effect_vy : c.screen_vy) << c.y << " " << effect;
    }
}

}  // namespace
}  // namespace orv
