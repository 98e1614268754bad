// The level converter: pictures and level files round-trip exactly, and a converted picture
// loads as a level.
#include "level_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <tuple>

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

// Picture, level files, picture and level files again: every pixel and every byte survives.
TEST_F(LevelPicture, ConversionsBothWaysKeepEveryByte) {
  const media::Image original = mixed_picture(7, 5);
  std::filesystem::create_directories(path("a"));
  std::filesystem::create_directories(path("b"));
  ASSERT_TRUE(write_png(original, path("in.png"), error)) << error;
  const auto decoded = read_picture(path("in.png"), error);
  ASSERT_TRUE(decoded && write_level_files(*decoded, path("a/LEVEL.ai42"), error)) << error;
  const auto back = read_level_picture(path("a/LEVEL.ai42"), error);
  ASSERT_TRUE(back && write_png(*back, path("out.png"), error)) << error;
  const auto again = read_picture(path("out.png"), error);
  ASSERT_TRUE(again && write_level_files(*again, path("b/LEVEL.ai42"), error)) << error;
  EXPECT_EQ(std::tuple(again->width, again->height, again->pixels),
            std::tuple(7, 5, original.pixels));
  EXPECT_EQ(dir.read("out.png"), dir.read("in.png"));
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

// A legend maps colours to tile names both ways: a drawn picture becomes rule tiles split as
// the game's own levels write them, other colours stay colour codes, and the level converts
// back to the same picture. Faulty legends are refused with their line.
TEST_F(LevelPicture, ALegendNamesTilesForColours) {
  dir.write("legend.txt", "255 255 255\r\nLAB_FLOOR\r\n0,0,0\r\nLAB_WALL\r\n9 9 9\r\nROCK\r\n\r\n");
  const auto legend = read_legend(path("legend.txt"), error);
  ASSERT_TRUE(legend) << error;
  media::Image p(2, 2, media::argb(255, 255, 255, 255));
  p.at(0, 0) = media::argb(255, 0, 0, 0);
  p.at(1, 0) = media::argb(128, 9, 9, 9);
  p.at(1, 1) = media::argb(255, 255, 0, 0);
  ASSERT_TRUE(write_level_files(p, path("R.ai42"), error, &*legend)) << error;
  EXPECT_EQ(dir.read("R.ai42"),
            "R\r\n1\r\n1\r\n0\r\n0\r\nLAB\r\n_\r\nWALL\r\nLAB\r\n_\r\nFLOOR\r\n"
            "ROCK\r\n\r\n\r\n255\r\n0\r\n0\r\n");
  const auto back = read_level_picture(path("R.ai42"), error, &*legend);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->pixels, p.pixels);
  EXPECT_FALSE(read_level_picture(path("R.ai42"), error)) << "no legend, no rule tiles";

  const struct {
    const char* text;
    const char* fragment;
  } faulty[] = {
      {"255 255\nLAB_FLOOR\n", "L.txt:1: \"255 255\" is not a colour"},
      {"1 2 300\nLAB_FLOOR\n", "L.txt:1:"},
      {"1 2 3\n\n", "L.txt:2: \"\" is not a tile name"},
      {"1 2 3\nA\\..\\B\n", "L.txt:2:"},
      {"1 2 3\nA\n4 5 6\nA\n", "L.txt:3: colour or tile \"A\" given twice"},
      {"1 2 3\nA\n1 2 3\nB\n", "L.txt:3:"},
  };
  for (const auto& f : faulty) {
    dir.write("L.txt", f.text);
    EXPECT_FALSE(read_legend(path("L.txt"), error)) << f.text;
    EXPECT_NE(error.find(f.fragment), std::string::npos) << error;
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
  ASSERT_TRUE(write_level_files(p, t.dir.path() + "DATA/LEVELS/LAB.ai42", error)) << error;
  rewrite("DATA/RGB/LAB/25500", {"VALUE1", "42", "USECOLLISION", "0"});
  g.config.world_drawing = 1;
  load_level_file(g, g.config.level_file_prefix + g.config.level_set_name + ".ai42");
  const Cell& red = g.world.grid.at(1, 1);
  EXPECT_EQ(std::tuple(g.world.last_column, g.world.last_row, tile(0, 0), tile(1, 1)),
            std::tuple(2, 1, "00255", "25500"));
  EXPECT_EQ(std::tuple(red.value, red.alpha, g.world.grid.at(2, 0).alpha), std::tuple(42, 90, 255));
}

// A picture drawn with the legend's floor and wall colours plays: its floor is the rules' floor,
// which counts towards the goal and takes paint.
TEST_F(ConvertedLevel, ADrawnLevelWithALegendHasFloorToPaint) {
  media::Image p(6, 5, media::argb(255, 0, 0, 0));
  for (int x = 1; x < 5; ++x)
    for (int y = 1; y < 4; ++y) p.at(x, y) = media::argb(255, 255, 255, 255);
  std::string error;
  t.dir.write("legend.txt", "255 255 255\nLAB_FLOOR\n0 0 0\nLAB_WALL\n");
  const auto legend = read_legend(t.dir.path() + "legend.txt", error);
  ASSERT_TRUE(legend) << error;
  ASSERT_TRUE(write_level_files(p, t.dir.path() + "DATA/LEVELS/LAB.ai42", error, &*legend));
  g.config.world_drawing = 1;
  build_level_from_file(g);
  EXPECT_EQ(std::tuple(tile(0, 0), tile(2, 2)), std::tuple("LAB_WALL", "LAB_FLOOR"));
  EXPECT_EQ(g.world.grid.at(2, 2).collision, 0);
  EXPECT_EQ(g.world.grid.at(0, 0).collision, 2);
  EXPECT_GE(g.world.remaining, 3);  // a quarter of the 12 floor cells and their goodies
  EXPECT_GT(g.world.time, 0);
}

}  // namespace
}  // namespace orv::level
