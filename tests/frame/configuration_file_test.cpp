#include "game/config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "frame/configuration_file.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/game.h"
#include "media/keys.h"
#include "support/data_set.h"
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

TEST_F(ConfigFile, PairsArePositionalWithExactKeysWithClampedValues) {
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
  EXPECT_EQ(std::tuple(c().max_group_a_enemies, c().window_title, c().level_building_choices,
                       c().effect_sprite_copies),
            std::tuple(0, "  My Game  ", 0, 50));
  read("APPNAME\nX\nGAMEMODE");  // an odd line count gives the last key an empty value
  EXPECT_EQ(c().game_mode, "");
  read("RESOLUTION\n1e1xyz\nLOGPATH\nLOG\\\nSCRSAVE\nSHOTS\\\n");
  EXPECT_FLOAT_EQ(c().tile_height, 10.0f);
  EXPECT_EQ(c().log_path, t.dir.path() + "LOG\\");  // path keys start with the start directory
  EXPECT_EQ(c().screenshot_prefix, "SHOTS\\");
}

// Values the game cannot run with are replaced once the file is read.
TEST_F(ConfigFile, UnusableTileSizesOrPausesAreReplaced) {
  read("MULTICORE\n0\n");  // no RESOLUTION at all
  EXPECT_EQ(c().tile_width, kDefaultTileSize);
  for (const char* resolution : {"0", "big", "0.5", "-3", "nan"}) {
    read(std::string("RESOLUTION\n") + resolution + "\n");
    EXPECT_EQ(std::pair(c().tile_width, c().tile_height),
              std::pair(kDefaultTileSize, kDefaultTileSize))
        << resolution;
  }
  read("RESOLUTION\n1\nMULTITASK\n-5\n");
  EXPECT_EQ(std::pair(c().tile_width, c().frame_pause_ms), std::pair(1.0f, 0));
  read("MULTITASK\n7\n");
  EXPECT_EQ(c().frame_pause_ms, 7);
}

// The test data set with one setting changed, started as the game starts and played for a few
// frames: none of these values may make a frame run for ever.
TEST(UnusableSetting, StillLetsTheGamePlay) {
  for (const char* setting :
       {"RESOLUTION\n0\n", "RESOLUTION\nthirty-two\n", "RESOLUTION\n0.001\n", "RESOLUTION\n-32\n",
        "MULTITASK\n-5\nMULTICORE\n0\n", "RESOLUTION\n1e30\n"}) {
    SCOPED_TRACE(setting);
    test::TestGame t;
    std::filesystem::copy(std::filesystem::path(ORV_FIXTURES) / "data" / "DATA",
                          t.dir.path() + "DATA", std::filesystem::copy_options::recursive);
    t.dir.write("DATA/ini.txt", t.dir.read("DATA/ini.txt") + setting);
    test::CurrentDirectory here(t.dir.path());
    t.platform.hold_key(media::key::kP);
    start_up(t.game);
    t.platform.release_key(media::key::kP);
    for (int frame = 0; frame < 3; ++frame) main_loop_turn(t.game);
    EXPECT_GE(t.game.config.tile_width, 1.0f);
    EXPECT_GE(t.game.config.frame_pause_ms, 0);
    EXPECT_LE(t.game.world.view_columns * t.game.world.view_rows, 640.0f * 480.0f);
  }
}

// An empty configuration, or any text in its place, still runs on the defaults, but says so.
TEST_F(ConfigFile, AFileWithoutAnyKnownKeyIsToldOnce) {
  for (const char* text : {"", "hello\nworld\n", "appname\nlower case is not a key\n"}) {
    ::testing::internal::CaptureStderr();
    read(text);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("DATA/ini.txt sets no key the game knows"), std::string::npos) << told;
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1);
  }
  ::testing::internal::CaptureStderr();
  read("APPNAME\nX\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace orv
