// The level converter: pictures and level files round-trip exactly, and a converted picture
// loads as a level.
#include "level_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "levels/level_file.h"
#include "levels/level_fixture.h"
#include "media/numbers.h"
#include "support/test_game.h"

namespace orv::level {
namespace {

// A picture of every kind of pixel: random colours and alphas, with the extremes in corners.
media::Image mixed_picture(int w, int h) {
  media::Image p(w, h);
  std::mt19937 random(7);
  for (media::Pixel& px : p.pixels) px = random();
  p.at(0, 0) = media::argb(0, 0, 0, 0);
  p.at(w - 1, h - 1) = media::argb(255, 255, 255, 255);
  return p;
}

class LevelPicture : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir.path() + name; }
  test::TempDir dir;
  std::string error;
};

TEST_F(LevelPicture, PictureToLevelToPictureKeepsEveryPixel) {
  const media::Image original = mixed_picture(7, 5);
  ASSERT_TRUE(write_png(original, path("in.png"), error)) << error;
  const auto decoded = read_picture(path("in.png"), error);
  ASSERT_TRUE(decoded) << error;
  ASSERT_TRUE(write_level_files(*decoded, path("map.ai42"), error)) << error;
  const auto back = read_level_picture(path("map.ai42"), error);
  ASSERT_TRUE(back) << error;
  ASSERT_TRUE(write_png(*back, path("out.png"), error)) << error;
  const auto again = read_picture(path("out.png"), error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(again->width, 7);
  EXPECT_EQ(again->height, 5);
  EXPECT_EQ(again->pixels, original.pixels);
  EXPECT_EQ(dir.read("out.png"), dir.read("in.png"));
}

TEST_F(LevelPicture, LevelToPictureToLevelKeepsEveryByte) {
  std::filesystem::create_directories(path("a"));
  std::filesystem::create_directories(path("b"));
  ASSERT_TRUE(write_level_files(mixed_picture(4, 9), path("a/LEVEL.ai42"), error)) << error;
  const auto picture = read_level_picture(path("a/LEVEL.ai42"), error);
  ASSERT_TRUE(picture) << error;
  ASSERT_TRUE(write_png(*picture, path("level.png"), error)) << error;
  const auto decoded = read_picture(path("level.png"), error);
  ASSERT_TRUE(decoded) << error;
  ASSERT_TRUE(write_level_files(*decoded, path("b/LEVEL.ai42"), error)) << error;
  EXPECT_EQ(dir.read("b/LEVEL.ai42"), dir.read("a/LEVEL.ai42"));
  EXPECT_EQ(dir.read("b/LEVEL.red"), dir.read("a/LEVEL.red"));
}

TEST_F(LevelPicture, LevelFileHoldsTheCellsColumnByColumn) {
  media::Image p(2, 2);
  p.at(0, 0) = media::argb(255, 255, 0, 0);
  p.at(0, 1) = media::argb(128, 0, 255, 0);
  p.at(1, 0) = media::argb(0, 0, 0, 255);
  p.at(1, 1) = media::argb(7, 1, 2, 3);
  ASSERT_TRUE(write_level_files(p, path("MAZE.ai42"), error)) << error;
  EXPECT_EQ(dir.read("MAZE.ai42"),
            "MAZE\r\n1\r\n1\r\n0\r\n0\r\n255\r\n0\r\n0\r\n0\r\n255\r\n0\r\n"
            "0\r\n0\r\n255\r\n1\r\n2\r\n3\r\n");
  EXPECT_EQ(dir.read("MAZE.red"), "MAZE\r\n1\r\n1\r\n0\r\n0\r\n255\r\n128\r\n0\r\n7\r\n");
}

TEST_F(LevelPicture, LevelsThatAreNoPicturesAreRefusedWithTheirLine) {
  const struct {
    const char* level;
    const char* alpha;
    const char* fragment;
  } cases[] = {
      {"L\r\n0\r\n0\r\n0\r\n0\r\nLAB\r\n_\r\nWALL\r\n", "", "L.ai42:6: \"LAB\" is not a number"},
      {"L\r\n0\r\n0\r\n0\r\n0\r\n256\r\n0\r\n0\r\n", "", ":6: \"256\" is not a number"},
      {"L\r\n1\r\n0\r\n0\r\n0\r\n1\r\n2\r\n3\r\n", "", "the file ends before its last cell"},
      {"L\r\n2000\r\n0\r\n0\r\n0\r\n", "", "L.ai42:2: the header gives no size"},
      {"L\r\n0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n3\r\n", "L\r\n1\r\n0\r\n0\r\n0\r\n9\r\n9\r\n",
       "L.red:2: the alpha file's size differs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fragment);
    dir.write("L.ai42", c.level);
    if (*c.alpha != '\0') dir.write("L.red", c.alpha);
    EXPECT_FALSE(read_level_picture(path("L.ai42"), error));
    EXPECT_NE(error.find(c.fragment), std::string::npos) << error;
  }
}

TEST_F(LevelPicture, PicturesLargerThanTheGridAreRefused) {
  EXPECT_FALSE(write_level_files(media::Image(1026, 1), path("wide.ai42"), error));
  EXPECT_NE(error.find("1026 x 1 pixels"), std::string::npos) << error;
}

// A painted picture, converted, loads through the game's level reader: each cell gets the
// colour code of its pixel as its tile, with that tile's definition, and its pixel's alpha.
class ConvertedLevel : public test::LevelTest {};

TEST_F(ConvertedLevel, PlaysInTheGame) {
  media::Image p(3, 2, media::argb(255, 0, 0, 255));
  p.at(1, 1) = media::argb(90, 255, 0, 0);
  std::string error;
  const std::string level = t.dir.path() + "DATA/LEVELS/LAB.ai42";
  ASSERT_TRUE(write_png(p, t.dir.path() + "painted.png", error)) << error;
  const auto picture = read_picture(t.dir.path() + "painted.png", error);
  ASSERT_TRUE(picture && write_level_files(*picture, level, error)) << error;
  rewrite("DATA/RGB/LAB/25500", {"VALUE1", "42", "USECOLLISION", "0"});
  g.config.world_drawing = 1;
  load_level_file(g, g.config.app_entry + g.config.app_start + ".ai42");
  EXPECT_EQ(g.world.last_column, 2);
  EXPECT_EQ(g.world.last_row, 1);
  EXPECT_EQ(tile(0, 0), "00255");
  EXPECT_EQ(tile(1, 1), "25500");
  EXPECT_EQ(g.world.grid.at(1, 1).value, 42);
  EXPECT_EQ(g.world.grid.at(1, 1).alpha, 90);
  EXPECT_EQ(g.world.grid.at(2, 0).alpha, 255);
}

}  // namespace
}  // namespace orv::level
