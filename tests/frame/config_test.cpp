#include "frame/config.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace orv {
namespace {

class ConfigFile : public ::testing::Test {
 protected:
  // Writes DATA/ini.txt with the given text and reads it.
  void read(const std::string& text) {
    t.dir.write("DATA/ini.txt", text);
    ASSERT_TRUE(read_configuration_file(t.game, t.game.frame.configuration_path));
  }
  const Config& c() const { return t.game.config; }
  test::TestGame t;
};

TEST_F(ConfigFile, NumbersAreClampedAsTheirKeysSay) {
  read("MULTICORE\r\n7\r\n");
  EXPECT_EQ(c().multicore, 1);
  read("MULTICORE\r\n256\r\n");  // kept in 8 bits first: 256 reads as 0
  EXPECT_EQ(c().multicore, 0);
  read("MAPSIZE\n2000\n");
  EXPECT_EQ(c().max_x, 1024);
  EXPECT_EQ(c().max_y, 1024);
  read("MAPSIZE\n-5\n");
  EXPECT_EQ(c().max_y, 32);
  read("MAPSIZE\nabc\n");
  EXPECT_EQ(c().max_x, 0);
  EXPECT_EQ(c().step_delay, 0);  // no CURSORSPEED: fastest player
  read("CURSORSPEED\n300\n");
  EXPECT_EQ(c().step_delay, 0);
  read("CURSORSPEED\n-1\n");
  EXPECT_EQ(c().step_delay, 255);
  read("CURSORSPEED\n250\n");
  EXPECT_EQ(c().step_delay, 5);
}

TEST_F(ConfigFile, PairsArePositionalWithExactKeys) {
  // Lower case and a trailing blank match nothing; the blank line makes "LABSWITCH" a value,
  // "4" a key with "EGFXMAX" as value and "9" a key.
  read("maxfoe\n5\nMAXFOE \n6\nAPPNAME\n  My Game  \n\nLABSWITCH\n4\nEGFXMAX\n9\n");
  EXPECT_EQ(c().max_foe, 0);
  EXPECT_EQ(c().app_name, "  My Game  ");
  EXPECT_EQ(c().lab_switch, 0);
  EXPECT_EQ(c().egfx_max, 50);
  read("APPNAME\nX\nGAMEMODE");  // an odd line count gives the last key an empty value
  EXPECT_EQ(c().game_mode, "");
  read("WINDOWMODE\n1\nUSESPRITE3D\n0\n");  // one flag: the later key decides
  EXPECT_EQ(c().world_drawing, 0);
  read("USESPRITE3D\n0\nWINDOWMODE\n1\n");
  EXPECT_EQ(c().world_drawing, 1);
}

TEST_F(ConfigFile, FloatsPathsAndKeysWithSideEffects) {
  read(
      "RESOLUTION\n32.5\nLOGPATH\nLOG\\\nSCRSAVE\nSHOTS\\\nSCREGFXPATH\nGFX\\\n"
      "SELFCREATEBASE\n/abs\nWORLDREFRESH\n30\nWORLDRANDOM\n77\n");
  EXPECT_FLOAT_EQ(c().tile_width, 32.5f);
  EXPECT_FLOAT_EQ(c().tile_height, 32.5f);
  // Path keys start with the start directory, text keys do not.
  EXPECT_EQ(c().log_path, t.dir.path() + "LOG\\");
  EXPECT_EQ(c().scr_save, "SHOTS\\");
  EXPECT_EQ(c().scre_gfx_path, "GFX\\");
  EXPECT_EQ(c().self_create_base, t.dir.path() + "/abs");
  EXPECT_EQ(t.game.frame.time_unit_length, 30);
  const std::int32_t first = t.media.sys.random(1000000);
  t.media.sys.random_seed(77);
  EXPECT_EQ(t.media.sys.random(1000000), first);
  read("RESOLUTION\n1e1xyz\n");
  EXPECT_FLOAT_EQ(c().tile_width, 10.0f);
  read("RESOLUTION\nnan\n");
  EXPECT_FLOAT_EQ(c().tile_width, 0.0f);
}

}  // namespace
}  // namespace orv
