#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "catalogue/object_kinds.h"
#include "frame/game.h"
#include "support/data_set.h"
#include "support/world_test.h"

namespace orv {
namespace {

using test::lines;

ObjectKind kind_from(std::initializer_list<std::string> pairs) {
  ObjectKind k;
  for (auto it = pairs.begin(); it != pairs.end(); it += 2)
    apply_object_key(k, *it, it + 1 == pairs.end() ? "" : *(it + 1));
  return k;
}

TEST(ObjectKeys, EveryKeySetsItsField) {
  ObjectKind k = kind_from(
      {"DGFXNAME",         "COIN", "DGFXTRANSPARENCY", "200",      "DDENSITY",       "3",
       "DFITTOMATRIX",     "4",    "DCOLLISION",       "5",        "DHOTSPOT",       "CENTER",
       "DXMODE1",          "6",    "DXMODE2",          "7",        "DGFXSHOW",       "8",
       "DCENTERFIELD",     "9",    "DKILLONCOLLISION", "10",       "DSCORE",         "-40",
       "DCOUNTTOSCORE",    "11",   "DCOUNTSOUND",      "coin.ogg", "DUSECOUNTSOUND", "12",
       "DISPLAYER",        "13",   "DISENEMY",         "14",       "DRANDOMMOVE",    "15",
       "DMOVEX",           "16",   "DMOVEY",           "17",       "DVELOX",         "18",
       "DVELOY",           "19",   "DAILEVEL",         "20",       "DDMOVE",         "21",
       "DCHANGEDIRECTION", "22",   "DISGOODY",         "23",       "DEXTRATIME",     "24",
       "DROTATE",          "-25",  "DLIFETIME",        "99",       "DPOWERUP",       "99"});
  EXPECT_EQ(std::tuple(k.gfx_name, k.hotspot, k.count_sound),
            std::tuple("COIN", "CENTER", "coin.ogg"));
  EXPECT_EQ(std::vector<int>({k.gfx_transparency,
                              k.density,
                              k.fit_to_matrix,
                              k.collision,
                              k.xmode1,
                              k.xmode2,
                              k.gfx_show,
                              k.center_field,
                              k.kill_on_collision,
                              k.score,
                              k.count_to_score,
                              k.use_count_sound,
                              k.is_player,
                              k.is_enemy,
                              k.random_move,
                              k.move_x,
                              k.move_y,
                              k.velo_x,
                              k.velo_y,
                              k.ai_level,
                              k.d_move,
                              k.change_direction,
                              k.is_goody,
                              k.extra_time,
                              k.rotate}),
            std::vector<int>({200, 3,  4,  5,  6,  7,  8,  9,  10, -40, 11, 12, 13,
                              14,  15, 16, 17, 18, 19, 20, 21, 22, 23,  24, -25}));
}

TEST(ObjectKeys, ByteFieldsKeepTheLowEightBits) {
  ObjectKind k = kind_from({"DISENEMY", "258", "DGFXSHOW", "257", "DCOLLISION", "255", "DAILEVEL",
                            "-129", "DSCORE", "258"});
  EXPECT_EQ(k.is_enemy, 2);
  EXPECT_EQ(k.gfx_show, 1);
  EXPECT_EQ(k.collision, -1);
  EXPECT_EQ(k.ai_level, 127);
  EXPECT_EQ(k.score, 258);
}

TEST(ObjectKeys, HashOrEmptyNameMeansNopeAndKeysAreExact) {
  EXPECT_EQ(kind_from({"DGFXNAME", "#"}).gfx_name, "NOPE");
  EXPECT_EQ(kind_from({"DGFXNAME", ""}).gfx_name, "NOPE");
  EXPECT_EQ(kind_from({"DGFXNAME", " #"}).gfx_name, " #");
  EXPECT_EQ(kind_from({"DSCORE", "5"}).gfx_name, "");
  ObjectKind k = kind_from({"dscore", "5", "DSCORE ", "6", "DGFXNAME", "A", "DGFXNAME", "B"});
  EXPECT_EQ(k.score, 0);
  EXPECT_EQ(k.gfx_name, "B");
  EXPECT_EQ(kind_from({"DDENSITY", "  -7x"}).density, -7);
  EXPECT_EQ(kind_from({"DDENSITY", "x7"}).density, 0);
}

TEST(ObjectKeys, TheDefinitionFileIsCutAtTheFirstExtension) {
  EXPECT_EQ(definition_file_of("/o/coin.png", ".png"), "/o/coin.dll");
  EXPECT_EQ(definition_file_of("/o/coin.png.png", ".png"), "/o/coin.dll");
  EXPECT_EQ(definition_file_of("/o/COIN.PNG", ".png"), "/o/COIN.dll");
  EXPECT_EQ(definition_file_of("/o/coin", ""), "/o/coin.dll");
}

class ObjectKinds : public test::WorldTest {
 protected:
  ObjectKinds() {
    g.config.world_gfx = t.dir.path() + "OBJ\\";
    g.config.gfx_codec = ".png";
  }
  void copy_picture(const std::string& to) {
    t.dir.write("OBJ/" + to, t.dir.read("DATA/OBJECTS/coin.png"));
  }
};

TEST_F(ObjectKinds, EveryGraphicIsAKindWithOrWithoutADefinition) {
  test::use_data_set(t);
  g.config.world_gfx = t.dir.path() + "OBJ\\";
  copy_picture("plain.png");
  copy_picture("odd.png");
  t.dir.write("OBJ/odd.dll", lines({"DSCORE", "9", "DGFXNAME"}));
  copy_picture("twice.png.png");
  t.dir.write("OBJ/twice.dll", lines({"DSCORE", "3"}));
  t.dir.write("OBJ/broken.png", "no picture");
  t.dir.write("OBJ/broken.dll", lines({"DSCORE", "4"}));
  t.dir.write("OBJ/notes.txt", lines({"DSCORE", "4"}));
  t.dir.write("OBJ/sub.png/inner.png", "");
  load_object_kinds(g);
  ASSERT_EQ(g.catalogue.kinds.size(), 4u);
  for (const ObjectKind& k : g.catalogue.kinds) {
    if (k.score == 9) {  // odd number of lines: the last key gets an empty value
      EXPECT_EQ(k.gfx_name, "NOPE");
      EXPECT_NE(k.sprite, 0);
    } else if (k.score == 4) {
      EXPECT_EQ(k.sprite, 0);
    } else if (k.score == 0) {
      EXPECT_EQ(k.gfx_name, "");
      EXPECT_EQ(k.placement_name, name::kEmpty);
    } else {
      EXPECT_EQ(k.score, 3);
    }
  }
}

TEST_F(ObjectKinds, RebuildingFreesTheFirstBuildsSprites) {
  test::use_data_set(t);
  load_object_kinds(g);
  ASSERT_EQ(g.catalogue.kinds.size(), 5u);
  std::vector<media::Handle> first;
  for (const ObjectKind& k : g.catalogue.kinds) first.push_back(k.sprite);
  load_object_kinds(g);
  EXPECT_EQ(g.catalogue.kinds.size(), 5u);
  for (media::Handle h : first) EXPECT_FALSE(g.media.gfx.is_sprite(h));
}

TEST_F(ObjectKinds, AMissingFolderEmptiesTheList) {
  add_kind("COIN", 0);
  load_object_kinds(g);
  EXPECT_TRUE(g.catalogue.kinds.empty());
}

TEST_F(ObjectKinds, WhiteIsSeeThroughInObjectPictures) {
  test::use_data_set(t);
  load_object_kinds(g);
  media::Graphics& gfx = g.media.gfx;
  for (const ObjectKind& k : g.catalogue.kinds) {
    if (k.gfx_name != "COIN") continue;  // yellow with a white first column
    gfx.clear_screen(media::rgb(0, 0, 0));
    const media::Handle s3 = gfx.create_sprite3d(k.sprite);
    gfx.start_3d();
    gfx.display_sprite3d(s3, 0, 0, 255);
    gfx.stop_3d();
    EXPECT_EQ(gfx.back_buffer().at(0, 2) & 0xFFFFFFu, 0x000000u);
    EXPECT_EQ(gfx.back_buffer().at(2, 2) & 0xFFFFFFu, 0xFFD000u);
  }
}

}  // namespace
}  // namespace orv
