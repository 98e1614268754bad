#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "catalogue/object_kinds.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/world_fixture.h"

namespace orv {
namespace {

using test::lines;

ObjectKind kind_from(std::initializer_list<std::string> pairs) {
  ObjectKind k;
  for (auto it = pairs.begin(); it != pairs.end(); it += 2)
    apply_object_key(k, *it, it + 1 == pairs.end() ? "" : *(it + 1));
  return k;
}

// Every key reaches its own field; byte fields keep the low 8 bits (258 -> 2, 255 -> -1).
TEST(ObjectKeys, EveryKeySetsItsField) {
  const ObjectKind k = kind_from(
      {"DGFXNAME",         "COIN", "DGFXTRANSPARENCY", "200",      "DDENSITY",       "3",
       "DFITTOMATRIX",     "4",    "DCOLLISION",       "255",      "DHOTSPOT",       "CENTER",
       "DXMODE1",          "6",    "DXMODE2",          "7",        "DGFXSHOW",       "257",
       "DCENTERFIELD",     "9",    "DKILLONCOLLISION", "10",       "DSCORE",         "258",
       "DCOUNTTOSCORE",    "11",   "DCOUNTSOUND",      "coin.ogg", "DUSECOUNTSOUND", "12",
       "DISPLAYER",        "13",   "DISENEMY",         "258",      "DRANDOMMOVE",    "15",
       "DMOVEX",           "16",   "DMOVEY",           "17",       "DVELOX",         "18",
       "DVELOY",           "19",   "DAILEVEL",         "-129",     "DDMOVE",         "21",
       "DCHANGEDIRECTION", "22",   "DISGOODY",         "23",       "DEXTRATIME",     "24",
       "DROTATE",          "-25",  "DLIFETIME",        "99",       "DPOWERUP",       "99"});
  EXPECT_EQ(std::tuple(k.placement_text, k.anchor, k.touch_sound_text),
            std::tuple("COIN", "CENTER", "coin.ogg"));
  EXPECT_EQ(
      std::tuple(k.alpha, k.density, k.fit_to_tile, k.contact, k.blend_source, k.blend_destination,
                 k.shown, k.centred_in_cell, k.consumed_on_contact, k.points, k.count_up,
                 k.play_touch_sound, k.player_marker, k.enemy_group, k.step_chance),
      std::tuple(200, 3, 4, -1, 6, 7, 1, 9, 10, 258, 11, 12, 13, 2, 15));
  EXPECT_EQ(std::tuple(k.steps_per_tile_x, k.steps_per_tile_y, k.behaviour, k.activity_chance,
                       k.turn_chance, k.goody, k.extra_time, k.rotation_step),
            std::tuple(18, 19, 127, 21, 22, 23, 24, -25));
}

TEST(ObjectKeys, AHashOrAnEmptyNameMeansNope) {
  for (auto [value, name] : {std::pair{"#", "NOPE"}, {"", "NOPE"}, {" #", " #"}})
    EXPECT_EQ(kind_from({"DGFXNAME", value}).placement_text, name) << value;
  EXPECT_EQ(kind_from({"DSCORE", "5"}).placement_text, "");
}

// Keys are exact: no other case, no trailing space; of a key given twice the last value wins.
TEST(ObjectKeys, OnlyTheExactKeysLastValueCounts) {
  const ObjectKind k = kind_from({"dscore", "5", "DSCORE ", "6", "DGFXNAME", "A", "DGFXNAME", "B"});
  EXPECT_EQ(std::tuple(k.points, k.placement_text), std::tuple(0, "B"));
}

TEST(ObjectKeys, NumbersAreReadFromTheirLeadingDigits) {
  EXPECT_EQ(kind_from({"DDENSITY", "  -7x"}).density, -7);
  EXPECT_EQ(kind_from({"DDENSITY", "x7"}).density, 0);
}

class ObjectKinds : public test::WorldTest {
 protected:
  ObjectKinds() { test::use_data_set(t); }
};

TEST_F(ObjectKinds, EveryGraphicIsAKindWithOrWithoutADefinition) {
  g.config.object_definitions_path = t.dir.path() + "OBJ\\";
  const std::string picture = t.dir.read("DATA/OBJECTS/coin.png");
  t.dir.write("OBJ/plain.png", picture);
  t.dir.write("OBJ/odd.png", picture);
  t.dir.write("OBJ/odd.dll", lines({"DSCORE", "9", "DGFXNAME"}));
  t.dir.write("OBJ/CAPS.PNG", picture);  // listed for ".png": cut where the extension begins
  t.dir.write("OBJ/CAPS.dll", lines({"DSCORE", "3"}));
  t.dir.write("OBJ/broken.png", "no picture");
  t.dir.write("OBJ/broken.dll", lines({"DSCORE", "4"}));
  t.dir.write("OBJ/notes.txt", lines({"DSCORE", "4"}));
  t.dir.write("OBJ/sub.png/inner.png", "");
  load_object_kinds(g);
  ASSERT_EQ(g.catalogue.kinds.size(), 4u);
  std::multiset<int> scores;
  for (const ObjectKind& k : g.catalogue.kinds) {
    SCOPED_TRACE(k.points);
    scores.insert(k.points);
    EXPECT_EQ(bool(k.sprite), k.points != 4);
    // An odd line count gives the last key an empty value; no DGFXNAME is no placement name.
    EXPECT_EQ(k.placement_text, k.points == 9 ? "NOPE" : "");
    EXPECT_EQ(k.placement_name == name::kEmpty, k.points != 9);
  }
  EXPECT_EQ(scores, (std::multiset<int>{0, 3, 4, 9}));
}

// A rebuild frees the first build's sprites; a missing folder leaves no kinds.
TEST_F(ObjectKinds, RebuildingFreesTheFirstBuild) {
  load_object_kinds(g);
  std::vector<media::SpriteId> first;
  for (const ObjectKind& k : g.catalogue.kinds) first.push_back(k.sprite);
  load_object_kinds(g);
  EXPECT_EQ(g.catalogue.kinds.size(), 5u);
  for (media::SpriteId h : first) EXPECT_FALSE(g.media.gfx.is_sprite(h));
  g.config.object_definitions_path = t.dir.path() + "NOWHERE\\";
  load_object_kinds(g);
  EXPECT_TRUE(g.catalogue.kinds.empty());
}

}  // namespace
}  // namespace orv
