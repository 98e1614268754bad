#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "catalogue/enemies.h"
#include "frame/game.h"
#include "support/data_set.h"
#include "support/world_test.h"

namespace orv {
namespace {

class Enemies : public test::WorldTest {
 protected:
  // Cells (x, y) of the list allow enemies.
  void allow(std::initializer_list<std::pair<int, int>> cells) {
    for (auto [x, y] : cells) cell(x, y).enemy_spawn = 1;
  }
  ObjectKind& enemy_kind(int group, int density, int w = 4, int h = 4) {
    ObjectKind& k = add_kind("#", density, w, h);
    k.is_enemy = std::int8_t(group);
    return k;
  }
};

TEST_F(Enemies, GroupAStopsAtMaxFoeInColumnOrder) {
  enemy_kind(1, 0);
  allow({{5, 0}, {0, 9}, {0, 2}, {3, 1}, {1, 0}, {9, 9}, {2, 2}, {4, 4}, {6, 6}, {7, 7}});
  g.config.max_foe = 3;
  spawn_enemies(g, 20, 20, EnemyGroup::kA);
  ASSERT_EQ(g.world.enemies_a.size(), 3u);
  EXPECT_EQ(g.world.enemies_a[0].x, 0);
  EXPECT_EQ(g.world.enemies_a[0].y, 64);
  EXPECT_EQ(g.world.enemies_a[1].y, 9 * 32);
  EXPECT_EQ(g.world.enemies_a[2].x, 32);
  EXPECT_TRUE(g.world.enemies_b.empty());
}

TEST_F(Enemies, MaxFoeZeroMeansNoGroupAButGroupBIsUnlimited) {
  enemy_kind(1, 0);
  enemy_kind(2, 0);
  enemy_kind(3, 0);
  enemy_kind(0, 0);
  allow({{1, 1}, {2, 1}, {3, 1}, {30, 30}});
  cell(4, 1).enemy_spawn = 2;
  spawn_enemies(g, 20, 20, EnemyGroup::kA);
  spawn_enemies(g, 20, 20, EnemyGroup::kB);
  EXPECT_TRUE(g.world.enemies_a.empty());
  EXPECT_EQ(g.world.enemies_b.size(), 3u);  // (30, 30) is beyond the extent
}

TEST_F(Enemies, DensityIsRolledPerKindAndCellAndMinusOneNeverSpawns) {
  enemy_kind(2, -1);
  allow({{1, 1}, {2, 2}});
  spawn_enemies(g, 5, 5, EnemyGroup::kB);
  EXPECT_TRUE(g.world.enemies_b.empty());
  enemy_kind(2, 0);
  enemy_kind(2, 0);
  spawn_enemies(g, 5, 5, EnemyGroup::kB);
  EXPECT_EQ(g.world.enemies_b.size(), 4u);  // two kinds on each of two cells
}

TEST_F(Enemies, AnEnemyCopiesItsKindAndStartsWithoutDirection) {
  ObjectKind& k = enemy_kind(1, 0, 20, 10);
  k.hotspot = "CENTER", k.xmode1 = 2, k.xmode2 = 5, k.gfx_show = 1, k.gfx_transparency = 99;
  k.collision = 1, k.random_move = 3, k.move_x = 4, k.move_y = 5, k.velo_x = 6, k.velo_y = 7;
  k.ai_level = 2, k.d_move = 8, k.change_direction = 9, k.rotate = 10, k.fit_to_matrix = 1;
  g.config.max_foe = 5;
  g.config.tile_width = 32.5f;
  allow({{3, 2}});
  spawn_enemies(g, 5, 5, EnemyGroup::kA);
  ASSERT_EQ(g.world.enemies_a.size(), 1u);
  const Enemy& e = g.world.enemies_a[0];
  EXPECT_NE(e.sprite, 0);
  // 97.5 rounds to even; never fitted to the tile.
  EXPECT_EQ(std::tuple(e.x, e.y, e.width, e.hotspot_x, e.hotspot_y),
            std::tuple(98, 64, 20.0f, 10.0f, 5.0f));
  EXPECT_EQ(std::vector<int>({e.direction, e.blend_source, e.blend_destination, e.shown, e.alpha,
                              e.collision, e.step_chance, e.move_x, e.move_y, e.steps_per_tile_x,
                              e.steps_per_tile_y, e.behaviour, e.activity_chance, e.turn_chance,
                              e.rotation_step}),
            std::vector<int>({0, 2, 5, 1, 99, 1, 3, 4, 5, 6, 7, 2, 8, 9, 10}));
}

TEST_F(Enemies, AnEnemyWithoutPictureHasOnlyTheHalfTileOffset) {
  ObjectKind& k = enemy_kind(2, 0, 0, 0);
  k.hotspot = "BOTTOMLEFT", k.center_field = 1;
  allow({{1, 1}});
  spawn_enemies(g, 5, 5, EnemyGroup::kB);
  ASSERT_EQ(g.world.enemies_b.size(), 1u);
  EXPECT_EQ(g.world.enemies_b[0].sprite, 0);
  EXPECT_EQ(g.world.enemies_b[0].hotspot_x, 16.0f);
  EXPECT_EQ(g.world.enemies_b[0].hotspot_y, 16.0f);
}

TEST_F(Enemies, ClearingFreesTheSprites) {
  enemy_kind(2, 0);
  allow({{1, 1}});
  spawn_enemies(g, 5, 5, EnemyGroup::kB);
  const media::Handle s = g.world.enemies_b[0].sprite;
  clear_enemies(g, EnemyGroup::kB);
  EXPECT_TRUE(g.world.enemies_b.empty());
  EXPECT_FALSE(g.media.gfx.is_sprite3d(s));
}

TEST_F(Enemies, ThePlayerSpriteIsLoadedOnceItExists) {
  test::use_data_set(t);
  Player& p = g.world.player;
  p.blend_source = 7, p.rotation_step = 3;
  g.config.cursor = t.dir.path() + "DATA\\nothing.png";
  load_player_sprite(g);
  EXPECT_EQ(p.sprite3d, 0);
  EXPECT_EQ(p.blend_source, 7);  // kept when the picture is missing
  g.config.cursor = t.dir.path() + "DATA\\player.png";
  load_player_sprite(g);
  EXPECT_NE(p.sprite, 0);
  EXPECT_NE(p.sprite3d, 0);
  EXPECT_EQ(p.blend_source, 2);
  EXPECT_EQ(p.blend_destination, 5);
  EXPECT_EQ(p.rotation_step, 16);
}

}  // namespace
}  // namespace orv
