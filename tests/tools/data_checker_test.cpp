// The data checker on copies of the shipped data, each broken in one place: every finding names
// the file and line of the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "checker.h"
#include "level_picture.h"
#include "media/decode/picture.h"
#include "support/test_game.h"

namespace orv::check {
namespace {

namespace fs = std::filesystem;

const std::string kShippedData = std::string(ORV_SHIPPED_DATA) + "/";
const std::string kIni = "DATA/ini.txt";

std::string describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings)
    text += f.file + ":" + std::to_string(f.line) + ": " + f.message + "\n";
  return text.empty() ? "no findings\n" : text;
}

class DataChecker : public ::testing::Test {
 protected:
  void SetUp() override { fresh(); }

  // A fresh copy of the shipped data.
  void fresh() const {
    fs::remove_all(dir.path());
    fs::copy(kShippedData, dir.path(), fs::copy_options::recursive);
  }

  std::vector<std::string> lines(const std::string& file) const {
    std::vector<std::string> out;
    std::istringstream in(dir.read(file));
    for (std::string line; std::getline(in, line);) out.push_back(line.substr(0, line.find('\r')));
    return out;
  }
  void write_lines(const std::string& file, const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    dir.write(file, text);
  }
  // The 1-based number of the first line equal to text.
  int line_of(const std::string& file, const std::string& text) const {
    const auto all = lines(file);
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == text) return int(i) + 1;
    ADD_FAILURE() << text << " not in " << file;
    return 0;
  }
  void replace_line(const std::string& file, int line, const std::string& text) const {
    auto all = lines(file);
    all.at(std::size_t(line) - 1) = text;
    write_lines(file, all);
  }
  // Sets the value of a key of the configuration; returns the key's line.
  int set_value(const std::string& key, const std::string& value) {
    const int line = line_of(kIni, key);
    replace_line(kIni, line + 1, value);
    return line;
  }
  void remove(const std::string& file) const { fs::remove(dir.path() + file); }

  std::vector<Finding> check(const std::string& folder = "") const {
    const CheckResult result = check_data_folder(dir.path() + folder);
    EXPECT_TRUE(result.readable);
    return result.findings;
  }

  // Expects a finding at file:line with the fragment in its message: the only one or, when
  // others may follow, the first.
  void expect_finding(const std::string& file, int line, const std::string& fragment,
                      const std::string& folder = "", bool only = true) const {
    const auto findings = check(folder);
    ASSERT_FALSE(findings.empty());
    EXPECT_TRUE(!only || findings.size() == 1u) << describe(findings);
    EXPECT_EQ(findings[0].file, file) << describe(findings);
    EXPECT_EQ(findings[0].line, line) << describe(findings);
    EXPECT_NE(findings[0].message.find(fragment), std::string::npos) << describe(findings);
  }

  test::TempDir dir;
  std::string error;
};

TEST_F(DataChecker, ShippedDataSetsAreClean) {
  EXPECT_EQ(describe(check()), "no findings\n");
  EXPECT_EQ(describe(check("ARENA")), "no findings\n");
}

TEST_F(DataChecker, AFolderWithoutConfigurationCannotBeRead) {
  EXPECT_FALSE(check_data_folder(dir.path() + "GFX").readable);
  EXPECT_FALSE(check_data_folder(dir.path() + "nothing/here").readable);
}

// Keys the game ignores or reads shifted, reported at the line where they start.
TEST_F(DataChecker, KeysTheGameIgnoresOrReadsShifted) {
  const struct {
    const char* key;
    const char* written;
    int value_line;  // 1 when the finding is on the value line
    const char* fragment;
  } cases[] = {
      {"MAPSIZE", "mapsize", 0, "differs from MAPSIZE in case or blanks"},
      {"MAPSIZE", "MAPSIZE ", 0, "differs from MAPSIZE in case or blanks"},
      {"MAPSIZE", "MAPSIZES", 0, "unknown key \"MAPSIZES\""},
      {"MAPSIZE", "48", 0, "key line \"48\" reads as a number"},
      {"MAPSIZE", "", 0, "blank key line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    fresh();
    const int line = line_of(kIni, c.key);
    replace_line(kIni, line, c.written);
    expect_finding(kIni, line + c.value_line, c.fragment);
  }
}

TEST_F(DataChecker, AMissingLineShiftsThePairsFromThere) {
  const int line = line_of(kIni, "MAPSIZE");
  auto all = lines(kIni);
  all.erase(all.begin() + line);  // MAPSIZE's value: the next key becomes its value
  write_lines(kIni, all);
  expect_finding(kIni, line + 1, "value line \"LABSWITCH\" is a key: the pairs look shifted");
}

TEST_F(DataChecker, AKeyGivenTwiceIsReportedWhereItIsOverridden) {
  const int line = line_of(kIni, "MAPSIZE");
  auto all = lines(kIni);
  all.insert(all.end(), {"MAPSIZE", "40"});
  write_lines(kIni, all);
  expect_finding(kIni, line, "MAPSIZE is given again on line " + std::to_string(all.size() - 1));
}

// Values of the configuration, reported at their key's line.
TEST_F(DataChecker, ConfigurationValues) {
  const struct {
    const char* key;
    const char* value;
    const char* fragment;
  } cases[] = {
      {"MAPSIZE", "forty", "\"forty\" is not a number"},
      {"SOUNDFXPATH", "SOUNDS\\", "names the folder \"SOUNDS\\\", which does not exist"},
      {"SOUNDFXPATH", "SFX", "lacks its trailing \\"},
      {"TOPOGFX", "gfx\\tiles\\", "exists only as"},
      {"CURSOR", "GFX\\PLAYER\\arrow.png", "names the file"},
      {"LOADSCREEN", "GFX\\SCREENS\\loading#.png",
       "loading picture \"GFX\\SCREENS\\loading0.png\""},
      {"DEFTILESOUND", "steps.ogg", "sound \"steps.ogg\" names nothing"},
      {"DEFTILESOUND", "step", "sound \"step\" lacks its \".ogg\""},
      {"DEFTILESOUND", "Step.ogg", "matches only \"step.ogg\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    fresh();
    const int line = set_value(c.key, c.value);
    const int sound_value = std::string(c.key).ends_with("SOUND") ? 1 : 0;
    expect_finding(kIni, line + sound_value, c.fragment, "", false);
  }
}

// A folder without its trailing separator is one cause: the game finds none of its files. It is
// reported once, and the files are never said not to decode or load, since the game does not
// reach them at all.
TEST_F(DataChecker, AFolderWithoutItsSeparatorIsOneFinding) {
  for (const char* key : {"SOUNDFXPATH", "TOPOGFX", "WORLDGFX", "EGFXPATH", "SCREGFXPATH"}) {
    SCOPED_TRACE(key);
    fresh();
    const int line = line_of(kIni, key);
    std::string value = lines(kIni).at(std::size_t(line));
    value.pop_back();
    replace_line(kIni, line + 1, value);
    expect_finding(kIni, line, "lacks its trailing \\");
  }
}

TEST_F(DataChecker, TheMusicFolderHoldsTheScreensTracks) {
  fs::rename(dir.path() + "MUSIC/score.ogg", dir.path() + "MUSIC/Score.ogg");
  expect_finding(kIni, line_of(kIni, "INGAMEMUSIC"), "has \"Score.ogg\", not \"score.ogg\"");
  remove("MUSIC/Score.ogg");
  expect_finding(kIni, line_of(kIni, "INGAMEMUSIC"), "no \"score.ogg\"");
}

TEST_F(DataChecker, TileDefinitionsNameOnlyThingsThatExist) {
  const std::string floor = "DATA/TILES/ORVANTE/LAB_FLOOR";
  replace_line(floor, line_of(floor, "floor.png"), "flor.png");
  replace_line(floor, line_of(floor, "GEM"), "GEMS");
  const auto findings = check();
  ASSERT_EQ(findings.size(), 2u) << describe(findings);
  EXPECT_EQ(findings[0].line, line_of(floor, "GFXNAME") + 1);
  EXPECT_NE(findings[0].message.find("tile graphic \"flor.png\""), std::string::npos);
  EXPECT_EQ(findings[1].line, line_of(floor, "CHILD1") + 1);
  EXPECT_NE(findings[1].message.find("child object \"GEMS\""), std::string::npos);
}

TEST_F(DataChecker, GeneratedTilesNeedTheirDefinitions) {
  remove("DATA/TILES/ORVANTE/LAB_WATER_S");
  expect_finding(kIni, line_of(kIni, "APPSTART"), "tile \"LAB_WATER_S\" has no definition file");
}

TEST_F(DataChecker, ObjectPicturesNeedEverythingTheyName) {
  remove("GFX/OBJECTS/blot.dll");
  const std::string gem = "GFX/OBJECTS/gem.dll";
  replace_line(gem, line_of(gem, "gem.ogg"), "gems.ogg");
  const auto findings = check();
  ASSERT_EQ(findings.size(), 2u) << describe(findings);
  EXPECT_EQ(findings[0].file, "GFX/OBJECTS/blot.png");
  EXPECT_NE(findings[0].message.find("without its definition file \"blot.dll\""),
            std::string::npos);
  EXPECT_EQ(findings[1].file, gem);
  EXPECT_EQ(findings[1].line, line_of(gem, "gems.ogg"));
}

TEST_F(DataChecker, MediaFilesThatDoNotDecode) {
  for (const char* file : {"GFX/TILES/wall.png", "GFX/EFFECTS/spark_blue.png", "SFX/step.ogg"}) {
    SCOPED_TRACE(file);
    fresh();
    dir.write(file, "not a picture nor a sound");
    expect_finding(file, 0, "does not");
  }
  fresh();
  ASSERT_TRUE(level::write_png(media::Image(media::kMaxPictureSide + 1, 1),
                               dir.path() + "GFX/TILES/floor.png", error));
  expect_finding("GFX/TILES/floor.png", 0, "larger than 16384 pixels a side");
}

TEST_F(DataChecker, FontCoversTheGameTextsWithFittingGlyphs) {
  const std::string chars = "DATA/FONT/CHARS.TXT";
  std::string list = lines(chars)[0];
  list.erase(list.find('Q'), 1);
  write_lines(chars, {list});
  expect_finding(chars, 1, "lacks characters of the game's own texts: \"Q\"");

  remove("GFX/FONT/I.png");
  const auto findings = check();
  ASSERT_EQ(findings.size(), 3u) << describe(findings);
  EXPECT_NE(findings[1].message.find("character \"I\" has no glyph picture"), std::string::npos);
  EXPECT_NE(findings[2].message.find("no glyph for I"), std::string::npos);

  fresh();
  fs::copy_file(dir.path() + "GFX/FONT/A.png", dir.path() + "GFX/FONT/NOBOMB.png",
                fs::copy_options::overwrite_existing);
  expect_finding("GFX/FONT/BOMB.png", 0, "BOMB is 24 pixels wide, NOBOMB 18");
}

// The arena plays a level file; its sizes must agree with its header and its alpha file.
TEST_F(DataChecker, LevelFilesOfBothKindsMatchTheirHeaders) {
  const std::string level = "DATA/LEVELS/ARENA.ai42";
  const std::string alpha = "DATA/LEVELS/ARENA.red";
  replace_line("ARENA/" + level, 2, "2000");
  expect_finding(level, 2, "more than the grid's 1025 x 1025", "ARENA");

  fresh();
  auto all = lines("ARENA/" + alpha);
  all.pop_back();
  write_lines("ARENA/" + alpha, all);
  expect_finding(alpha, 2, "(2204 lines after the header) but 2203 lines follow it", "ARENA");

  fresh();
  replace_line("ARENA/" + alpha, 100, "300");
  replace_line("ARENA/" + alpha, 101, "-1");
  expect_finding(alpha, 100, "\"300\" is no alpha from 0 to 255", "ARENA");

  fresh();
  replace_line("ARENA/" + level, 2, "56");
  const auto findings = check("ARENA");
  ASSERT_EQ(findings.size(), 2u) << describe(findings);
  EXPECT_EQ(findings[0].file, level);
  EXPECT_NE(findings[0].message.find("57 x 38 cells (6498 lines"), std::string::npos);
  EXPECT_EQ(findings[1].file, alpha);
  EXPECT_NE(findings[1].message.find("58 x 38 cells, the level file 57 x 38"), std::string::npos);
}

TEST_F(DataChecker, LevelTilesNeedTheirDefinitions) {
  replace_line("ARENA/DATA/LEVELS/ARENA.ai42", 8, "WAL");  // the first cell: LAB _ WAL
  expect_finding("DATA/LEVELS/ARENA.ai42", 6, "tile \"LAB_WAL\" has no definition file", "ARENA");
}

TEST_F(DataChecker, TheConfiguredLevelFileMustExist) {
  remove("ARENA/DATA/LEVELS/ARENA.ai42");
  expect_finding(kIni, line_of("ARENA/" + kIni, "APPSTART"),
                 "the level file \"DATA\\LEVELS\\ARENA.ai42\" does not exist", "ARENA");
}

}  // namespace
}  // namespace orv::check
