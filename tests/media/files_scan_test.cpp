// Folder scans, path resolution, and the home and current folders.
#include <gtest/gtest.h>

#include <map>

#include "media/files.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using Listing = std::map<std::string, EntryType>;
constexpr EntryType kFile = EntryType::kFile, kFolder = EntryType::kFolder;

class FilesScan : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"menu.ogg", "LOUD.OGG", "notes.txt", "ogg", ".hidden.ogg", "sub.ogg/"})
      dir_.write(std::string("music/") + name);
  }
  Listing scan(const std::string& folder, const std::string& pattern) {
    Listing found;
    Handle s = files_.examine_directory(folder, pattern);
    while (files_.next_directory_entry(s) && found.size() < 100)
      found[files_.directory_entry_name(s)] = files_.directory_entry_type(s);
    files_.finish_directory(s);
    return found;
  }

  testing::FilesTempFolder dir_;
  Files files_;
};

TEST_F(FilesScan, SuffixMatchesWithoutCaseAndStarTakesAllButDotEntries) {
  Listing ogg{
      {".hidden.ogg", kFile}, {"LOUD.OGG", kFile}, {"menu.ogg", kFile}, {"sub.ogg", kFolder}};
  EXPECT_EQ(scan(dir_ / "music", "*.ogg"), ogg);
  EXPECT_EQ(scan(dir_ / "music", "*.OGG"), ogg);
  ogg.insert({{"notes.txt", kFile}, {"ogg", kFile}});
  EXPECT_EQ(scan(dir_ / "music", "*"), ogg);
  for (const std::string& folder : {dir_ / "music/", dir_.path() + "MUSIC\\"})
    EXPECT_EQ(scan(folder, "*"), ogg) << folder;
}

TEST_F(FilesScan, NoScanOfAMissingFolderOrAFile) {
  EXPECT_EQ(files_.examine_directory(dir_ / "nowhere", "*"), 0);
  EXPECT_EQ(files_.examine_directory(dir_ / "music/menu.ogg", "*"), 0);
}

TEST_F(FilesScan, EntryIsEmptyBeforeTheFirstAndAfterTheLast) {
  Handle s = files_.examine_directory(dir_ / "music", "*.txt");
  EXPECT_EQ(files_.directory_entry_type(s), EntryType::kNone);
  ASSERT_TRUE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_name(s), "notes.txt");
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_name(s), "");
}

TEST_F(FilesScan, SymlinkToAFolderIsAFolder) {
  std::error_code ec;
  std::filesystem::create_directory_symlink(dir_ / "music", dir_ / "link", ec);
  EXPECT_EQ(scan(dir_.path(), "*")["link"], kFolder);
}

struct PathCase {
  const char* name;
  const char* on_disk;   // made below the temporary folder
  const char* asked;     // as the game writes it
  const char* resolved;  // what the file system is given
};

class Paths : public ::testing::TestWithParam<PathCase> {};

TEST_P(Paths, Resolve) {
  testing::FilesTempFolder dir;
  dir.write(GetParam().on_disk);
  EXPECT_EQ(resolve_path(dir.path() + GetParam().asked), dir.path() + GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    , Paths,
    ::testing::Values(PathCase{"Backslashes", "Data/ini.txt", "Data\\ini.txt", "Data/ini.txt"},
                      PathCase{"WrongCase", "Data/Ini.txt", "DATA\\INI.TXT", "Data/Ini.txt"},
                      PathCase{"NewFileInFoundFolder", "Data/x", "DATA\\new.txt", "Data/new.txt"},
                      PathCase{"MissingFolderAsWritten", "Data/x", "Other\\A.txt", "Other/A.txt"},
                      PathCase{"TrailingSeparator", "Sub/Deep/x", "sub\\deep\\", "Sub/Deep/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PathsFilePart, LastComponentWithoutQuotes) {
  EXPECT_EQ(get_file_part("C:\\game\\DATA\\tile.png"), "tile.png");
  EXPECT_EQ(get_file_part("mixed\\sep/name"), "name");
  EXPECT_EQ(get_file_part("\"quoted name.ogg\""), "quoted name.ogg");
  EXPECT_EQ(get_file_part("folder\\"), "");
}

TEST(FilesFolders, CurrentAndHomeEndWithSlash) {
  EXPECT_EQ(Files("/home/player").home_directory(), "/home/player/");
  EXPECT_EQ(Files().current_directory(), std::filesystem::current_path().string() + "/");
  EXPECT_TRUE(Files().home_directory().ends_with('/'));
}

}  // namespace
}  // namespace orv::media
