#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "catalogue/enemy_placement.h"
#include "catalogue/tile_placement.h"
#include "game/game.h"
#include "support/world_fixture.h"
#include "world/placed_objects.h"

namespace orv {
namespace {

class Placement : public test::WorldTest {
 protected:
  Placement() { tile_file("GEMS", {"CHILD1", "GEM", "CHILD2", "#", "CHILD3", "RUBY"}); }
};

// Each kind of a slot's name gets its own roll, the later taking the slot over from the earlier
// (whose sprite is freed at once); goodies (DISGOODY 1 only) raise the remaining count each time
// they are placed.
TEST_F(Placement, EachKindOfASlotsNameGetsItsOwnRoll) {
  add_kind("GEM", 0, 4, 4).goody = 1;
  add_kind("GEM", 0, 5, 5);
  add_kind("RUBY", 0, 6, 6).goody = 2;
  g.world.remaining = 5;
  retile(7, 7, "GEMS");
  ASSERT_EQ(g.world.objects.size(), 2u);
  const Cell& c = cell(7, 7);
  EXPECT_EQ(std::tuple(c.child_objects[0], c.child_objects[2], c.last_placed_slot),
            std::tuple(0, 1, 2));
  EXPECT_EQ(g.world.objects[0].width, 5.0f);
  retile(7, 7, "GEMS");
  EXPECT_EQ(g.world.remaining, 7);
}

// Painting and wiping the same cells again and again: every retile releases the objects of the
// slots it empties and a taken object is released too, so the list stays as long as the objects
// the cells hold, and every released sprite is freed.
TEST_F(Placement, RetilingTheSameCellsKeepsTheObjectListBounded) {
  ObjectKind& gem = add_kind("GEM", 0);
  gem.contact = 1, gem.consumed_on_contact = 1;
  add_kind("RUBY", 0);
  tile_file("BARE", {"CHILD1", "#", "CHILD2", "#", "CHILD3", "#"});
  for (int frame = 0; frame <= 500; ++frame) {
    for (int x = 0; x < 4; ++x) retile(x, 1, frame % 2 == 0 ? "GEMS" : "BARE");
    cell(0, 1).contact = 1;
    touch_cell_objects(g, 0, 1);
  }
  EXPECT_LE(g.world.objects.size(), 8u);
  std::vector<media::Sprite3dId> held;
  for (const PlacedObject& o : g.world.objects)
    if (o.released == 0) held.push_back(o.sprite3d);
  ASSERT_EQ(held.size(), 7u);  // (0, 1) has lost its gem
  for (int x = 0; x < 4; ++x) retile(x, 1, "BARE");
  for (media::Sprite3dId sprite : held) EXPECT_FALSE(g.media.gfx.is_sprite3d(sprite));
  EXPECT_EQ(g.world.free_objects.size(), g.world.objects.size());
}

// A fresh cell without definition offers its empty slot 0; "#" and "NOPE" slots take nothing.
TEST_F(Placement, EmptySlotNamesMatchUnnamedKindsButNopeMatchesNothing) {
  add_kind("", 0);
  add_kind("NOPE", 0);
  retile(1, 1, "MISSING");
  ASSERT_EQ(g.world.objects.size(), 1u);
  EXPECT_EQ(cell(1, 1).child_objects[0], 0);
  tile_file("HASH", {"CHILD1", "#"});
  tile_file("N", {"CHILD1", "NOPE"});
  retile(1, 2, "HASH");
  retile(1, 3, "N");
  EXPECT_EQ(g.world.objects.size(), 1u);
}

// The slots of a fresh cell hold no object: a definition that skips CHILD1 must not make the
// level's first placed object (here a gem that was already taken) show or be taken there.
TEST_F(Placement, SlotsADefinitionSkipsHoldNoObject) {
  ObjectKind& gem = add_kind("GEM", 0);
  gem.contact = 1, gem.consumed_on_contact = 1, gem.points = 100;
  add_kind("RUBY", 0).contact = 1;
  retile(1, 1, "GEMS");
  ASSERT_EQ(g.world.objects.size(), 2u);
  cell(1, 1).contact = 1;
  touch_cell_objects(g, 1, 1);
  ASSERT_EQ(g.world.score, 100);
  tile_file("LATE", {"CHILD3", "RUBY"});
  retile(4, 4, "LATE");
  const Cell& late = cell(4, 4);
  EXPECT_EQ(std::tuple(late.child_objects[0], late.child_objects[1], late.last_placed_slot),
            std::tuple(-1, -1, 2));
  cell(4, 4).contact = 1;
  touch_cell_objects(g, 4, 4);
  EXPECT_EQ(g.world.score, 100);
}

// Hotspot word, half-tile shift and fitting on 64 x 64 tiles; width 0 is a kind whose
// picture did not load: no sprite, no size, no offset.
TEST_F(Placement, HotspotOrCentreFieldMovesTheObject) {
  g.config.tile_width = g.config.tile_height = 64.0f;
  struct Case {
    const char* hotspot;
    int center_field, fit, picture_width;
    float x, y, width;
  };
  for (const Case& c :
       {Case{"CENTER", 0, 0, 32, 16, 8, 32}, Case{"RIGHT", 1, 0, 32, 64, 32, 32},
        Case{"BOTTOMLEFT", 0, 0, 32, 0, 16, 32}, Case{"center", 0, 0, 32, 0, 0, 32},
        Case{"BOTTOMRIGHT", 1, 1, 32, 96, 96, 64}, Case{"CENTER", 1, 1, 0, 0, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.hotspot << c.center_field << c.fit << c.picture_width);
    g.catalogue.kinds.clear();
    ObjectKind& k = add_kind("GEM", 0, c.picture_width, 16);
    k.anchor = c.hotspot, k.centred_in_cell = std::int8_t(c.center_field);
    k.fit_to_tile = std::int8_t(c.fit);
    retile(0, 0, "GEMS");
    const PlacedObject& o = g.world.objects.back();
    EXPECT_EQ(std::tuple(o.hotspot_x, o.hotspot_y, o.width), std::tuple(c.x, c.y, c.width));
    EXPECT_EQ(bool(o.sprite3d), c.picture_width != 0);
  }
}

class Enemies : public Placement {
 protected:
  // Cells (x, y) of the list allow enemies.
  void allow(std::initializer_list<std::pair<int, int>> cells) {
    for (auto [x, y] : cells) cell(x, y).enemy_spawn = 1;
  }
  ObjectKind& enemy_kind(int group, int density, int w = 4, int h = 4) {
    ObjectKind& k = add_kind("NOPE", density, w, h);
    k.enemy_group = std::int8_t(group);
    return k;
  }
};

// Group A stops at MAXFOE (0: none) in column-major order; group B has no limit; DISENEMY 0
// and 3 spawn nothing, DDENSITY -1 never; only USEENEMY 1 cells within the extent count.
TEST_F(Enemies, EnemiesSpawnByGroupWithGroupAUpToMaxFoe) {
  for (int group : {1, 2, 3, 0, 2}) enemy_kind(group, 0);
  enemy_kind(2, -1);
  allow({{5, 0}, {0, 9}, {0, 2}, {3, 1}, {1, 0}, {9, 9}, {2, 2}, {4, 4}, {6, 6}, {30, 30}});
  cell(7, 7).enemy_spawn = 2;
  spawn_enemies(g, 20, 20, EnemyGroup::kA);
  spawn_enemies(g, 20, 20, EnemyGroup::kB);
  EXPECT_TRUE(g.world.enemies_a.empty());
  EXPECT_EQ(g.world.enemies_b.size(), 18u);  // two kinds on each of nine cells
  g.config.max_group_a_enemies = 3;
  spawn_enemies(g, 20, 20, EnemyGroup::kA);
  ASSERT_EQ(g.world.enemies_a.size(), 3u);
  const auto& a = g.world.enemies_a;
  EXPECT_EQ(std::tuple(a[0].x, a[0].y, a[1].x, a[1].y, a[2].x, a[2].y),
            std::tuple(0, 64, 0, 9 * 32, 32, 0));
  const media::Sprite3dId s = a[0].sprite3d;
  clear_enemies(g, EnemyGroup::kA);
  EXPECT_TRUE(g.world.enemies_a.empty());
  EXPECT_FALSE(g.media.gfx.is_sprite3d(s));
}

// Placed objects are fitted to the tile, enemies never are; 97.5 rounds to even; a kind
// without picture gives only the half tile.
TEST_F(Enemies, AKindsValuesReachEverythingPlacedFromIt) {
  ObjectKind& k = add_kind("GEM", 0, 20, 10);
  k.enemy_group = 1, k.anchor = "CENTER", k.fit_to_tile = 1, k.points = 30, k.blend_source = 3;
  k.step_chance = 12, k.behaviour = 17;
  ObjectKind& bare = enemy_kind(1, 0, 0, 0);
  bare.anchor = "BOTTOMLEFT", bare.centred_in_cell = 1;
  g.config.max_group_a_enemies = 5, g.config.tile_width = 32.5f;
  retile(3, 2, "GEMS");
  allow({{3, 2}});
  spawn_enemies(g, 5, 5, EnemyGroup::kA);
  ASSERT_EQ(g.world.objects.size(), 1u);
  const PlacedObject& o = g.world.objects[0];
  EXPECT_EQ(std::tuple(o.width, o.height, o.hotspot_x, o.hotspot_y, o.points, o.blend_source),
            std::tuple(32.5f, 32.0f, 16.25f, 16.0f, 30, 3));
  ASSERT_EQ(g.world.enemies_a.size(), 2u);
  const Enemy& e = g.world.enemies_a[0];
  EXPECT_EQ(std::tuple(e.x, e.y, e.width, e.hotspot_x, e.hotspot_y, e.step_chance, e.behaviour),
            std::tuple(98, 64, 20.0f, 10.0f, 5.0f, 12, 17));
  const Enemy& b = g.world.enemies_a[1];
  EXPECT_EQ(std::tuple(b.sprite3d.value, b.hotspot_x, b.hotspot_y), std::tuple(0, 16.25f, 16.0f));
}

}  // namespace
}  // namespace orv
