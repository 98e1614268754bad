#include "world/drift_sprites.h"

#include <gtest/gtest.h>

#include "media/numbers.h"
#include "support/screen_game.h"

namespace orv {
namespace {

// On a 100 x 80 screen the velocity turns only where the next step would leave the screen.
TEST(DriftBounce, VelocityTurnsOnlyWhereTheNextStepLeavesTheScreen) {
  const struct {
    float x, y, vx, vy, effect_vx, effect_vy, screen_vx, screen_vy;
  } cases[] = {{50, 40, 3, -2, 3, -2, 3, -2},
               {98, 78, 5, 5, -5, -5, -5, -5},       // past the right and bottom edges
               {95, 75, 5, 5, 5, 5, 5, 5},           // reaching them
               {2, 3, -3, -4, 3, 4, 3, 4},           // below 1
               {4, 5, -3, -4, -3, -4, -3, -4},       // reaching 1
               {50, 40, 60, -50, 60, 50, -60, 50}};  // too far: the effect rule turns back again
  for (const auto& c : cases) {
    for (DriftBounce bounce : {DriftBounce::kEffectSprites, DriftBounce::kScreenSprites}) {
      const bool effect = bounce == DriftBounce::kEffectSprites;
      DriftSprite s{c.x, c.y, 0, c.vx, c.vy};
      bounce_drift_sprite(s, 100.0f, 80.0f, bounce);
      EXPECT_EQ(s.velocity_x, effect ? c.effect_vx : c.screen_vx) << c.x << " " << effect;
      EXPECT_EQ(s.velocity_y, effect ? c.effect_vy : c.screen_vy) << c.y << " " << effect;
    }
  }
}

class DriftTest : public ::testing::Test {
 protected:
  void SetUp() override { test::open_test_screen(t.game, 100, 80); }

  media::Handle square(media::Colour c, int side) {
    media::Image picture(side, side, media::colour_to_pixel(c));
    return t.media.gfx.create_sprite3d(t.media.gfx.add_sprite(picture));
  }

  test::ScreenGame t;
};

TEST_F(DriftTest, SpritesAreDrawnAdditivelyAtTheirRoundedPositions) {
  const media::Colour red = media::rgb(100, 0, 0);
  const media::Handle sprite = square(red, 4);
  DriftSpriteList list{{30.4f, 20.6f, sprite, 2.0f, 1.0f}};
  const media::Colour blue = media::rgb(0, 0, 50);
  const media::Image& f = test::draw_frame(
      t,
      [&] {
        move_drift_sprites(t.game, list, DriftBounce::kScreenSprites);
        // Whatever is drawn next blends normally again.
        t.media.gfx.display_sprite3d(sprite, 80, 70, 255);
      },
      blue);
  const int x = media::round_even(list[0].x);
  const int y = media::round_even(list[0].y);
  EXPECT_NE(list[0].x, 30.4f);
  EXPECT_EQ(test::find_colour(f, media::rgb(100, 0, 50)), (test::Rect{x, y, 4, 4}));
  EXPECT_EQ(test::find_colour(f, red), (test::Rect{80, 70, 4, 4}));
}

}  // namespace
}  // namespace orv
