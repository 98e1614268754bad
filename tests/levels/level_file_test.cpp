#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "game/errors.h"
#include "levels/level_file.h"
#include "levels/level_fixture.h"

namespace orv {
namespace {

class LevelFile : public test::LevelTest {
 protected:
  void write_level(const std::string& text) { t.dir.write("DATA/LEVELS/LAB.ai42", text); }
  void write_alpha(const std::string& text) { t.dir.write("DATA/LEVELS/LAB.red", text); }
  void remove(const char* file) { std::filesystem::remove(t.dir.path() + "DATA/LEVELS/" + file); }
  void load() {
    load_level_file(g, g.config.level_file_prefix + g.config.level_set_name + ".ai42");
  }
  int alpha(int x, int y) { return g.world.grid.at(x, y).alpha; }
};

// Column-major order: (0,0) (0,1) (1,0) (1,1) from lines 6-8, 9-11, 12-14, 15-17, joined.
TEST_F(LevelFile, ThreeLinesJoinedNameACellColumnByColumn) {
  write_level("h\n1\n1\nh\nh\n0\n128\n255\na\nb\nc\n1\n2\n3\nx\ny\nz\n");
  t.dir.write("DATA/RGB/LAB/0128255", "VALUE1\n42\n");
  load();
  EXPECT_EQ(std::tuple(tile(0, 0), tile(0, 1), tile(1, 0), tile(1, 1), g.world.grid.at(0, 0).value),
            std::tuple("0128255", "abc", "123", "xyz", 42));
}

// Fewer alpha values than cells leave the rest at their definition's alpha.
TEST_F(LevelFile, FewerAlphaValuesLeaveTheDefinitionsAlpha) {
  write_alpha("1\n2\n3\n4\n5\n9\n");
  load();
  EXPECT_EQ(std::tuple(alpha(0, 0), alpha(0, 1)), std::tuple(9, 255));  // TRANSPARENCY 0
}

TEST_F(LevelFile, AMissingAlphaFileMakesEveryCellInvisible) {
  remove("LAB.red");
  load();
  for (int x = 0; x <= 3; ++x)
    for (int y = 0; y <= 3; ++y) EXPECT_EQ(alpha(x, y), 0);
}

TEST_F(LevelFile, AFileThatEndsEarlyKeepsTheCellsReadSoFar) {
  write_level("h\n3\n2\nh\nh\n255\n0\n0\n0\n255\n0\n7\n8");
  load();
  EXPECT_EQ(std::tuple(tile(0, 0), tile(0, 1), tile(0, 2), tile(1, 0)),
            std::tuple("25500", "02550", "78", ""));  // (0, 2) cut by the end
  EXPECT_EQ(g.world.grid.at(1, 0).live, 0);
}

// Headers beyond the largest grid are cut to it; without an alpha file the endless empty
// lines still stop at the grid's last column.
TEST_F(LevelFile, AHeaderTooLargeForTheGridIsReadSafely) {
  write_level("h\n2000000000\n3000000000\nh\nh\n1\n2\n3\n4\n5\n6\n");
  write_alpha("h\nh\nh\nh\nh\n10\n20\n");
  load();
  EXPECT_EQ(g.world.last_column, kLargestGridSize - 1);
  EXPECT_EQ(std::tuple(tile(0, 0), tile(0, 1), alpha(0, 1)), std::tuple("123", "456", 20));
  write_level("h\n2000000000\n-5\nh\nh\n1\n2\n3\n");
  remove("LAB.red");
  load();
  EXPECT_EQ(std::tuple(tile(0, 0), g.world.last_row), std::tuple("123", -5));
}

// The grid grows only as far as the cells of the file go: a five-line file claiming two billion
// columns keeps the grid it found, while an honest level larger than the grid still gets it.
TEST_F(LevelFile, TheGridGrowsOnlyForCellsTheFileDelivers) {
  const std::size_t before = g.world.grid.bytes();
  write_level("h\n2000000000\n2000000000\nh\nh\n");
  remove("LAB.red");
  load();
  EXPECT_EQ(std::tuple(g.world.grid.columns(), g.world.grid.rows(), g.world.grid.bytes()),
            std::tuple(kStartGridSize, kStartGridSize, before));

  const int last = kStartGridSize + 10;
  std::string level = "h\n" + std::to_string(last) + "\n1\nh\nh\n";
  for (int cell = 0; cell < (last + 1) * 2; ++cell) level += "1\n2\n3\n";
  write_level(level);
  load();
  EXPECT_EQ(std::tuple(g.world.grid.columns(), tile(last, 1), g.world.grid.at(last, 1).live),
            std::tuple(last + 1, "123", std::int8_t(1)));
}

// A tile name that climbs out of the tile folder is an unknown tile: the file it names is not
// read, though the cell keeps its name.
TEST_F(LevelFile, TileNamesThatLeaveTheTileFolderAreUnknown) {
  t.dir.write("x", "VALUE1\n42\n");
  t.dir.write("DATA/RGB/x", "VALUE1\n43\n");
  t.dir.write("DATA/RGB/LAB/ok", "VALUE1\n44\n");
  write_level("h\n0\n3\nh\nh\n..\\..\\..\\x\n\n\n../../../x\n\n\n..\n\\x\n\nok\n\n\n");
  load();
  EXPECT_EQ(tile(0, 0), "..\\..\\..\\x");
  EXPECT_EQ(std::tuple(g.world.grid.at(0, 0).value, g.world.grid.at(0, 1).value,
                       g.world.grid.at(0, 2).value, g.world.grid.at(0, 3).value),
            std::tuple(0, 0, 0, 44));
}

TEST_F(LevelFile, AMissingLevelFileEndsTheProgram) {
  remove("LAB.ai42");
  EXPECT_THROW(load(), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " Could not open topographic data");
}

}  // namespace
}  // namespace orv
