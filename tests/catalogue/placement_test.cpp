#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "catalogue/placement.h"
#include "frame/game.h"
#include "support/world_test.h"

namespace orv {
namespace {

class Placement : public test::WorldTest {
 protected:
  Placement() { tile_file("GEMS", {"CHILD1", "GEM", "CHILD2", "#", "CHILD3", "RUBY"}); }
  const PlacedObject& object_in(int x, int y, int slot) {
    return g.world.objects.at(std::size_t(cell(x, y).child_objects[slot]));
  }
};

TEST_F(Placement, AKindOnItsSlotIsCopiedIntoAPlacedObject) {
  ObjectKind& k = add_kind("GEM", 0, 6, 4);
  k.gfx_show = 1, k.gfx_transparency = 200, k.collision = 2, k.xmode1 = 3, k.xmode2 = 4;
  k.kill_on_collision = 5, k.score = 30, k.count_to_score = 6, k.use_count_sound = 7;
  k.count_sound_name = g.world.names.intern("gem.ogg");
  k.is_player = 8, k.is_goody = 9, k.extra_time = 10, k.rotate = 11;
  retile(3, 4, "GEMS");
  const Cell& c = cell(3, 4);
  EXPECT_EQ(std::vector<int>({c.last_named_slot, c.last_placed_slot, c.child_objects[0],
                              c.child_objects[2], c.contact}),
            std::vector<int>({2, 0, 0, -1, 0}));
  ASSERT_EQ(g.world.objects.size(), 1u);
  const PlacedObject& o = g.world.objects[0];
  EXPECT_NE(o.sprite, 0);
  EXPECT_EQ(std::tuple(o.width, o.height, o.hotspot_x, name_of(o.touch_sound)),
            std::tuple(6.0f, 4.0f, 0.0f, "gem.ogg"));
  EXPECT_EQ(std::vector<int>({o.shown, o.alpha, o.contact, o.blend_source, o.blend_destination,
                              o.consumed_on_contact, o.points, o.count_up, o.play_touch_sound,
                              o.player_marker, o.goody, o.extra_time, o.rotation_step}),
            std::vector<int>({1, 200, 2, 3, 4, 5, 30, 6, 7, 8, 9, 10, 11}));
}

TEST_F(Placement, DensityDecidesAndIsRolledOnlyForMatchingKinds) {
  add_kind("GEM", -1);
  add_kind("OTHER", 0);
  for (int y = 0; y < 20; ++y) retile(0, y, "GEMS");
  EXPECT_TRUE(g.world.objects.empty());
  EXPECT_EQ(cell(0, 0).last_placed_slot, -1);
  // Only matching kinds draw: the same seed gives the same sequence whatever else is listed.
  g.catalogue.kinds.clear();
  add_kind("GEM", 3);
  g.media.sys.random_seed(4);
  for (int y = 0; y < 200; ++y) retile(1, y, "GEMS");
  const std::size_t alone = g.world.objects.size();
  EXPECT_GT(alone, 20u);  // about one in four
  EXPECT_LT(alone, 90u);
  add_kind("OTHER", 3);
  add_kind("NOPE", 0);
  g.media.sys.random_seed(4);
  for (int y = 0; y < 200; ++y) retile(2, y, "GEMS");
  EXPECT_EQ(g.world.objects.size(), 2 * alone);
}

TEST_F(Placement, TwoKindsOfOneNameBothPlaceAndTheSlotKeepsTheSecond) {
  add_kind("GEM", 0, 4, 4);
  add_kind("GEM", 0, 5, 5);
  add_kind("RUBY", 0, 6, 6);
  retile(7, 7, "GEMS");
  ASSERT_EQ(g.world.objects.size(), 3u);
  EXPECT_EQ(cell(7, 7).child_objects[0], 1);
  EXPECT_EQ(cell(7, 7).child_objects[2], 2);
  EXPECT_EQ(cell(7, 7).last_placed_slot, 2);
  EXPECT_EQ(object_in(7, 7, 0).width, 5.0f);
}

TEST_F(Placement, NopeKindsNeverFillASlotEvenOneNamedNope) {
  add_kind("NOPE", 0);
  tile_file("N", {"CHILD1", "NOPE"});
  retile(1, 1, "N");
  EXPECT_TRUE(g.world.objects.empty());
}

TEST_F(Placement, AFreshCellWithoutDefinitionOffersItsEmptySlotToUnnamedKinds) {
  add_kind("", 0);
  retile(1, 1, "MISSING");
  ASSERT_EQ(g.world.objects.size(), 1u);
  EXPECT_EQ(cell(1, 1).child_objects[0], 0);
  tile_file("HASH", {"CHILD1", "#"});
  retile(1, 2, "HASH");
  EXPECT_EQ(g.world.objects.size(), 1u);
}

TEST_F(Placement, GoodiesRaiseTheRemainingCountEachTimeTheyArePlaced) {
  add_kind("GEM", 0).is_goody = 1;
  add_kind("RUBY", 0).is_goody = 2;  // only 1 counts
  g.world.remaining = 5;
  retile(1, 1, "GEMS");
  retile(1, 1, "GEMS");
  EXPECT_EQ(g.world.remaining, 7);
}

TEST_F(Placement, RetilingAppendsAndLeavesOldObjectsInTheList) {
  add_kind("GEM", 0);
  tile_file("PLAIN", {"CHILD1", "#"});
  tile_file("SECOND", {"CHILD2", "GEM"});
  retile(2, 2, "GEMS");
  retile(2, 2, "PLAIN");
  EXPECT_EQ(cell(2, 2).child_objects[0], -1);
  EXPECT_EQ(cell(2, 2).last_placed_slot, -1);
  EXPECT_EQ(g.world.objects.size(), 1u);
  // Slot 3 ("RUBY") is not named by SECOND and keeps its name; slot 2 is re-rolled.
  retile(2, 2, "GEMS");
  retile(2, 2, "SECOND");
  EXPECT_EQ(name_of(cell(2, 2).child_names[2]), "RUBY");
  EXPECT_EQ(cell(2, 2).child_objects[1], 3);
  EXPECT_EQ(g.world.objects.size(), 4u);
}

TEST_F(Placement, AKindWithoutPictureGivesAnUndrawnObjectOfNoSize) {
  ObjectKind& k = add_kind("GEM", 0, 0, 0);
  k.fit_to_matrix = 1, k.hotspot = "CENTER", k.center_field = 1;
  retile(1, 1, "GEMS");
  ASSERT_EQ(g.world.objects.size(), 1u);
  const PlacedObject& o = g.world.objects[0];
  EXPECT_EQ(o.sprite, 0);
  EXPECT_EQ(o.width, 0.0f);
  EXPECT_EQ(o.hotspot_x, 0.0f);
  EXPECT_EQ(o.hotspot_y, 0.0f);
}

struct AnchorCase {
  const char* hotspot;
  int center_field;
  int fit;
  float x, y;
};

class Anchors : public Placement, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(Anchors, HotspotAndCentreFieldMoveTheObject) {
  g.config.tile_width = g.config.tile_height = 64.0f;
  const AnchorCase& a = GetParam();
  ObjectKind& k = add_kind("GEM", 0, 32, 16);
  k.hotspot = a.hotspot, k.center_field = std::int8_t(a.center_field);
  k.fit_to_matrix = std::int8_t(a.fit);
  retile(0, 0, "GEMS");
  const PlacedObject& o = object_in(0, 0, 0);
  EXPECT_EQ(o.hotspot_x, a.x);
  EXPECT_EQ(o.hotspot_y, a.y);
  EXPECT_EQ(o.width, a.fit == 1 ? 64.0f : 32.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Anchors,
    ::testing::Values(AnchorCase{"", 0, 0, 0, 0}, AnchorCase{"CENTER", 0, 0, 16, 8},
                      AnchorCase{"RIGHT", 0, 0, 32, 0}, AnchorCase{"RIGHT", 1, 0, 64, 32},
                      AnchorCase{"BOTTOMLEFT", 0, 0, 0, 16},
                      AnchorCase{"BOTTOMRIGHT", 0, 0, 32, 16}, AnchorCase{"center", 0, 0, 0, 0},
                      AnchorCase{"LEFT", 1, 0, 32, 32}, AnchorCase{"CENTER", 0, 1, 32, 32},
                      AnchorCase{"BOTTOMRIGHT", 1, 1, 96, 96}, AnchorCase{"", 2, 0, 0, 0}));

}  // namespace
}  // namespace orv
