// Enemies off the screen are not drawn, but move, paint and turn exactly as when they are seen.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "game/game.h"
#include "support/image_helpers.h"
#include "support/tile_rules_fixture.h"
#include "world/actor_passes.h"

namespace orv {
namespace {

// Two copies of one scene on an open floor: in the first the view looks far away from the
// enemy, in the second at it. Each holds a turning, walking enemy of group A.
class EnemyCulling : public test::TileRulesTest {
 public:
  EnemyCulling() {
    media::Graphics& gfx = g.media.gfx;
    EXPECT_TRUE(gfx.open_windowed_screen(gfx.open_window(320, 224, "t"), 320, 224));
    // A floor of 8 x 5 cells walled in, all on the screen.
    for (int x = 0; x <= 9; ++x)
      for (int y = 0; y <= 6; ++y)
        paint({{x, y}}, x == 0 || y == 0 || x == 9 || y == 6 ? "LAB_WALL" : "LAB_FLOOR");
    media::Image picture(12, 4, media::argb(255, 200, 30, 30));
    for (int y = 0; y < 4; ++y) picture.at(0, y) = media::argb(255, 30, 200, 30);
    Enemy e;
    e.x = 64, e.y = 64, e.steps_per_tile_x = e.steps_per_tile_y = 4;
    e.step_chance = 1, e.turn_chance = 3, e.behaviour = 1;
    e.rotation_step = 13, e.alpha = 255, e.width = 12;
    e.height = 4;
    e.sprite3d = gfx.create_sprite3d(gfx.add_sprite(picture));
    g.world.enemies_a.push_back(e);
  }
  void frame() {
    g.media.gfx.clear_screen(0);
    g.media.gfx.start_3d();
    enemy_passes(g);
    g.media.gfx.stop_3d();
  }
  Game& game() { return g; }
  const std::string& tile_at(int x, int y) { return tile(x, y); }
  int drawn() { return media::testing::count_drawn(g.media.gfx.back_buffer(), 0); }
};

struct Scene : EnemyCulling {
  void TestBody() override {}
};

TEST_F(EnemyCulling, AnEnemyOffTheScreenActsAsIfItWereSeen) {
  // The same scene again, seen from where the enemy is.
  auto seen = std::make_unique<Scene>();
  g.world.view_origin_x = seen->game().world.view_origin_x = 0;
  g.world.view_origin_y = 500;
  g.media.sys.random_seed(7);
  seen->game().media.sys.random_seed(7);
  int seen_drawn = 0;
  for (int i = 0; i < 40; ++i) {
    frame();
    EXPECT_EQ(drawn(), 0);
    seen->frame();
    seen_drawn += seen->drawn() > 0;
  }
  EXPECT_EQ(seen_drawn, 40);
  const Enemy& far = g.world.enemies_a[0];
  const Enemy& near = seen->game().world.enemies_a[0];
  EXPECT_NE(std::pair(far.x, far.y), std::pair(64, 64));
  EXPECT_EQ(std::tuple(far.x, far.y, far.direction), std::tuple(near.x, near.y, near.direction));
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 6; ++y) EXPECT_EQ(tile(x, y), seen->tile_at(x, y)) << x << "," << y;
  // Back in view, it shows at the angle it would have had all along.
  g.world.view_origin_y = 0;
  frame();
  seen->frame();
  EXPECT_GT(drawn(), 0);
  EXPECT_EQ(g.media.gfx.back_buffer().pixels, seen->game().media.gfx.back_buffer().pixels);
}

}  // namespace
}  // namespace orv
