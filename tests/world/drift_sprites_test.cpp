#include "world/drift_sprites.h"

#include <gtest/gtest.h>

#include "media/numbers.h"
#include "support/screen_game.h"

namespace orv {
namespace {

struct BounceCase {
  DriftBounce bounce;
  float x, y, velocity_x, velocity_y;
  float expected_x, expected_y;
};

class BounceTest : public ::testing::TestWithParam<BounceCase> {};

// On a 100 x 80 screen, except where the case says otherwise.
TEST_P(BounceTest, VelocityTurnsOnlyWhereTheNextStepLeavesTheScreen) {
  const BounceCase& c = GetParam();
  DriftSprite s{c.x, c.y, 0, c.velocity_x, c.velocity_y};
  bounce_drift_sprite(s, 100.0f, 80.0f, c.bounce);
  EXPECT_EQ(s.velocity_x, c.expected_x);
  EXPECT_EQ(s.velocity_y, c.expected_y);
}

constexpr DriftBounce kEffect = DriftBounce::kEffectSprites;
constexpr DriftBounce kScreen = DriftBounce::kScreenSprites;

INSTANTIATE_TEST_SUITE_P(
    Edges, BounceTest,
    ::testing::Values(
        BounceCase{kEffect, 50, 40, 3, -2, 3, -2}, BounceCase{kScreen, 50, 40, 3, -2, 3, -2},
        // Right and bottom: past the size turns, reaching it does not.
        BounceCase{kEffect, 98, 78, 5, 5, -5, -5}, BounceCase{kScreen, 98, 78, 5, 5, -5, -5},
        BounceCase{kEffect, 95, 75, 5, 5, 5, 5}, BounceCase{kScreen, 95, 75, 5, 5, 5, 5},
        // Left and top: below 1 turns, 1 itself does not.
        BounceCase{kEffect, 2, 3, -3, -4, 3, 4}, BounceCase{kScreen, 2, 3, -3, -4, 3, 4},
        BounceCase{kEffect, 4, 5, -3, -4, -3, -4}, BounceCase{kScreen, 4, 5, -3, -4, -3, -4},
        // Too big a step for the screen: the effect rule turns back again at the far edge.
        BounceCase{kEffect, 50, 40, 60, -50, 60, 50},
        BounceCase{kScreen, 50, 40, 60, -50, -60, 50}));

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
