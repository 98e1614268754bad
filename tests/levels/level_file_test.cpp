#include <gtest/gtest.h>

#include "frame/errors.h"
#include "frame/game.h"
#include "levels/level_file.h"
#include "levels/level_fixture.h"

namespace orv {
namespace {

class LevelFile : public test::LevelTest {
 protected:
  std::string level_path() { return g.config.app_entry + g.config.app_start + ".ai42"; }
  void write_level(const std::string& text) { t.dir.write("DATA/LEVELS/LAB.ai42", text); }
  void write_alpha(const std::string& text) { t.dir.write("DATA/LEVELS/LAB.red", text); }
  void load() { load_level_file(g, level_path()); }
};

TEST_F(LevelFile, TheDataSetLevelIsReadColumnByColumn) {
  load();
  EXPECT_EQ(g.world.last_column, 3);
  EXPECT_EQ(g.world.last_row, 2);
  EXPECT_EQ(tile(0, 0), "25500");
  EXPECT_EQ(tile(1, 1), "02550");
  EXPECT_EQ(tile(2, 1), "02550");
  EXPECT_EQ(tile(2, 2), "00255");
  EXPECT_EQ(tile(3, 2), "25500");
  EXPECT_EQ(g.world.grid.at(2, 2).alpha, 128);
  EXPECT_EQ(g.world.grid.at(1, 1).alpha, 255);
  EXPECT_EQ(g.world.grid.at(0, 0).collision, 2);
  EXPECT_EQ(g.world.grid.at(1, 1).enemy_spawn, 1);
  EXPECT_NE(g.world.grid.at(0, 0).sprite, 0);
  EXPECT_EQ(g.world.grid.at(3, 2).live, 1);
  EXPECT_EQ(g.world.grid.at(4, 0).live, 0);
  EXPECT_EQ(g.world.grid.columns(), kStartGridSize);  // the start-up grid, not reset
  EXPECT_EQ(g.world.view_columns, 20.0f);
  // A level file places no player, no enemies and sets no time.
  EXPECT_TRUE(g.world.enemies_a.empty());
  EXPECT_EQ(g.world.time, 0);
}

TEST_F(LevelFile, ThreeLinesJoinedNameACellAndTheirDefinitionIsRead) {
  write_level("h\n1\n1\nh\nh\n0\n128\n255\na\nb\nc\n1\n2\n3\nx\ny\nz\n");
  t.dir.write("DATA/RGB/LAB/0128255", "VALUE1\n42\n");
  load();
  EXPECT_EQ(tile(0, 0), "0128255");
  EXPECT_EQ(tile(0, 1), "abc");
  EXPECT_EQ(tile(1, 0), "123");
  EXPECT_EQ(tile(1, 1), "xyz");
  EXPECT_EQ(g.world.grid.at(0, 0).value, 42);
}

TEST_F(LevelFile, WithoutWorldDrawingCellsGetOnlyNamesAndLiveFlags) {
  g.config.world_drawing = 0;
  write_alpha("1\n2\n3\n4\n5\n77\n");
  load();
  const Cell& c = g.world.grid.at(0, 0);
  EXPECT_EQ(tile(0, 0), "25500");
  EXPECT_EQ(c.live, 1);
  EXPECT_EQ(c.collision, 0);
  EXPECT_EQ(c.sprite, 0);
  EXPECT_EQ(c.alpha, 77);
  EXPECT_EQ(g.world.grid.at(0, 1).alpha, 0);  // fewer values than cells
}

TEST_F(LevelFile, FewerAlphaValuesLeaveTheDefinitionsAlpha) {
  write_alpha("1\n2\n3\n4\n5\n9\n");
  load();
  EXPECT_EQ(g.world.grid.at(0, 0).alpha, 9);
  EXPECT_EQ(g.world.grid.at(0, 1).alpha, 255);  // TRANSPARENCY 0
}

TEST_F(LevelFile, AMissingAlphaFileMakesEveryCellInvisible) {
  std::filesystem::remove(t.dir.path() + "DATA/LEVELS/LAB.red");
  load();
  for (int x = 0; x <= 3; ++x)
    for (int y = 0; y <= 2; ++y) EXPECT_EQ(g.world.grid.at(x, y).alpha, 0);
  EXPECT_EQ(g.world.grid.at(0, 3).alpha, 0);
}

TEST_F(LevelFile, AFileThatEndsEarlyKeepsTheCellsReadSoFar) {
  write_level("h\n3\n2\nh\nh\n255\n0\n0\n0\n255\n0\n7\n8");
  load();
  EXPECT_EQ(tile(0, 0), "25500");
  EXPECT_EQ(tile(0, 1), "02550");
  EXPECT_EQ(tile(0, 2), "78");  // cut by the end: the lines that were there
  EXPECT_EQ(g.world.grid.at(1, 0).live, 0);
  EXPECT_EQ(tile(1, 0), "");
}

TEST_F(LevelFile, AHeaderTooLargeForTheGridIsReadSafely) {
  write_level("h\n2000000000\n3000000000\nh\nh\n1\n2\n3\n4\n5\n6\n");
  write_alpha("h\nh\nh\nh\nh\n10\n20\n");
  load();
  EXPECT_EQ(g.world.grid.columns(), kLargestGridSize);
  EXPECT_EQ(g.world.grid.rows(), kLargestGridSize);
  EXPECT_EQ(g.world.last_column, kLargestGridSize - 1);
  EXPECT_EQ(tile(0, 0), "123");
  EXPECT_EQ(tile(0, 1), "456");
  EXPECT_EQ(g.world.grid.at(0, 1).alpha, 20);
}

TEST_F(LevelFile, AMissingAlphaFileWithAHugeHeaderEndsAtTheGrid) {
  write_level("h\n2000000000\n-5\nh\nh\n1\n2\n3\n");
  std::filesystem::remove(t.dir.path() + "DATA/LEVELS/LAB.red");
  load();  // returns: the endless empty alpha lines stop at the grid's last column
  EXPECT_EQ(tile(0, 0), "123");
  EXPECT_EQ(g.world.last_row, -5);
}

TEST_F(LevelFile, ATallLevelGrowsTheGridAndKeepsItsCells) {
  std::string text = "h\n0\n600\nh\nh\n";
  for (int y = 0; y <= 600; ++y) text += "0\n0\n" + std::to_string(y) + "\n";
  write_level(text);
  load();
  EXPECT_EQ(g.world.grid.rows(), 601);
  EXPECT_EQ(tile(0, 600), "00600");
  EXPECT_EQ(g.world.grid.at(0, 600).live, 1);
}

TEST_F(LevelFile, AMissingLevelFileEndsTheProgram) {
  std::filesystem::remove(t.dir.path() + "DATA/LEVELS/LAB.ai42");
  EXPECT_THROW(load(), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " Could not open topographic data");
}

TEST_F(LevelFile, TheBarIsShownAtTheFirstCellAndThenEvery501st) {
  std::string text = "h\n9\n99\nh\nh\n";
  for (int i = 0; i < 1000; ++i) text += "0\n0\n0\n";
  write_level(text);
  const std::int64_t frames = g.media.gfx.frames_shown();
  load();
  EXPECT_EQ(g.media.gfx.frames_shown() - frames, 2);  // cells 1 and 502
  EXPECT_EQ(g.levels.file_counter, 1000 % 501);
  EXPECT_NEAR(g.levels.bar_length, 1.0 + 1000 * (640.0 / 891.0), 0.01);
}

}  // namespace
}  // namespace orv
