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

TEST_F(ConfigFile, PairsArePositionalWithExactKeysAndValuesAreClamped) {
  read("MULTICORE\r\n256\r\n");  // kept in 8 bits first: 256 reads as 0
  EXPECT_EQ(c().multicore, 0);
  read("MAPSIZE\n2000\n");
  EXPECT_EQ(c().max_x, 1024);
  read("MAPSIZE\n-5\n");
  EXPECT_EQ(c().max_y, 32);
  EXPECT_EQ(c().step_delay, 0);  // no CURSORSPEED: fastest player
  read("CURSORSPEED\n-1\n");
  EXPECT_EQ(c().step_delay, 255);
  read("CURSORSPEED\n250\n");
  EXPECT_EQ(c().step_delay, 5);
  // Lower case and a trailing blank match nothing; the blank line makes "LABSWITCH" a value,
  // "4" a key with "EGFXMAX" as value and "9" a key.
  read("maxfoe\n5\nMAXFOE \n6\nAPPNAME\n  My Game  \n\nLABSWITCH\n4\nEGFXMAX\n9\n");
  EXPECT_EQ(c().max_foe, 0);
  EXPECT_EQ(c().app_name, "  My Game  ");
  EXPECT_EQ(c().lab_switch, 0);
  EXPECT_EQ(c().egfx_max, 50);
  read("APPNAME\nX\nGAMEMODE");  // an odd line count gives the last key an empty value
  EXPECT_EQ(c().game_mode, "");
  read("RESOLUTION\n1e1xyz\nLOGPATH\nLOG\\\nSCRSAVE\nSHOTS\\\n");
  EXPECT_FLOAT_EQ(c().tile_height, 10.0f);
  EXPECT_EQ(c().log_path, t.dir.path() + "LOG\\");  // path keys start with the start directory
  EXPECT_EQ(c().scr_save, "SHOTS\\");
}

}  // namespace
}  // namespace orv
