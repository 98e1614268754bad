// Folder scans, path resolution, and the home and current folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "media/files.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using testing::FilesTempFolder;
using Listing = std::map<std::string, EntryType>;

class FilesScan : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("music/menu.ogg", "");
    dir_.write("music/LOUD.OGG", "");
    dir_.write("music/notes.txt", "");
    dir_.write("music/ogg", "");
    dir_.write("music/.hidden.ogg", "");
    dir_.make_folder("music/more.ogg");
  }

  Listing scan(const std::string& folder, const std::string& pattern) {
    Listing found;
    Handle s = files_.examine_directory(folder, pattern);
    if (s == 0) return found;
    while (files_.next_directory_entry(s) && found.size() < 100)
      found[files_.directory_entry_name(s)] = files_.directory_entry_type(s);
    files_.finish_directory(s);
    return found;
  }

  FilesTempFolder dir_;
  Files files_;
};

TEST_F(FilesScan, SuffixPatternIgnoresCase) {
  Listing expected{{".hidden.ogg", EntryType::kFile},
                   {"LOUD.OGG", EntryType::kFile},
                   {"menu.ogg", EntryType::kFile},
                   {"more.ogg", EntryType::kFolder}};
  EXPECT_EQ(scan(dir_ / "music", "*.ogg"), expected);
  EXPECT_EQ(scan(dir_ / "music", "*.OGG"), expected);
}

TEST_F(FilesScan, StarListsEverythingButDotEntries) {
  Listing all = scan(dir_ / "music", "*");
  EXPECT_EQ(all.size(), 6u);
  EXPECT_EQ(all.count("."), 0u);
  EXPECT_EQ(all.count(".."), 0u);
  EXPECT_EQ(all["ogg"], EntryType::kFile);
  EXPECT_EQ(all["more.ogg"], EntryType::kFolder);
}

TEST_F(FilesScan, FolderMayEndWithEitherSeparatorAndDifferInCase) {
  Listing plain = scan(dir_ / "music", "*");
  for (const std::string& folder :
       {dir_ / "music/", dir_.path() + "music\\", dir_.path() + "MUSIC\\", dir_ / "Music"})
    EXPECT_EQ(scan(folder, "*"), plain) << folder;
}

TEST_F(FilesScan, MissingFolderOrFileGivesNoScan) {
  EXPECT_EQ(files_.examine_directory(dir_ / "nowhere", "*"), 0);
  EXPECT_EQ(files_.examine_directory(dir_ / "music/menu.ogg", "*"), 0);
}

TEST_F(FilesScan, EmptyFolderListsNothing) {
  dir_.make_folder("empty");
  Handle s = files_.examine_directory(dir_ / "empty", "*");
  ASSERT_NE(s, 0);
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_name(s), "");
}

TEST_F(FilesScan, EntryQueriesOutsideTheListAreEmpty) {
  Handle s = files_.examine_directory(dir_ / "music", "*.txt");
  EXPECT_EQ(files_.directory_entry_name(s), "");  // before the first entry
  EXPECT_EQ(files_.directory_entry_type(s), EntryType::kNone);
  ASSERT_TRUE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_name(s), "notes.txt");
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_name(s), "");
  files_.finish_directory(s);
  EXPECT_FALSE(files_.next_directory_entry(s));
  EXPECT_EQ(files_.directory_entry_type(12345), EntryType::kNone);
}

TEST_F(FilesScan, SymlinkToAFolderIsAFolder) {
  std::error_code ec;
  std::filesystem::create_directory_symlink(dir_ / "music", dir_ / "link", ec);
  ASSERT_FALSE(ec);
  EXPECT_EQ(scan(dir_.path(), "*")["link"], EntryType::kFolder);
}

struct PathCase {
  const char* name;
  const char* on_disk;   // made below the temporary folder
  const char* asked;     // as the game writes it
  const char* resolved;  // what the file system is given
};

void PrintTo(const PathCase& c, std::ostream* os) {
  *os << c.name;
}

class Paths : public ::testing::TestWithParam<PathCase> {};

TEST_P(Paths, Resolve) {
  FilesTempFolder dir;
  dir.write(GetParam().on_disk, "");
  EXPECT_EQ(resolve_path(dir.path() + GetParam().asked), dir.path() + GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    , Paths,
    ::testing::Values(
        PathCase{"AsWritten", "Data/ini.txt", "Data/ini.txt", "Data/ini.txt"},
        PathCase{"Backslashes", "Data/ini.txt", "Data\\ini.txt", "Data/ini.txt"},
        PathCase{"WrongCase", "Data/Ini.txt", "DATA\\INI.TXT", "Data/Ini.txt"},
        PathCase{"MissingFileKeepsFoundFolder", "Data/x", "DATA\\new.txt", "Data/new.txt"},
        PathCase{"MissingFolderKeptAsWritten", "Data/x", "Other\\A.txt", "Other/A.txt"},
        PathCase{"TrailingSeparator", "Sub/Deep/x", "sub\\deep\\", "Sub/Deep/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PathsFilePart, TakesTheLastComponentWithoutQuotes) {
  EXPECT_EQ(get_file_part("C:\\game\\DATA\\tile.png"), "tile.png");
  EXPECT_EQ(get_file_part("data/music/menu.ogg"), "menu.ogg");
  EXPECT_EQ(get_file_part("mixed\\sep/name"), "name");
  EXPECT_EQ(get_file_part("\"quoted name.ogg\""), "quoted name.ogg");
  EXPECT_EQ(get_file_part("plain"), "plain");
  EXPECT_EQ(get_file_part("folder\\"), "");
  EXPECT_EQ(get_file_part(""), "");
}

TEST(FilesFolders, CurrentAndHomeEndWithSlash) {
  Files files("/home/player");
  EXPECT_EQ(files.home_directory(), "/home/player/");
  std::string cwd = files.current_directory();
  EXPECT_EQ(cwd, std::filesystem::current_path().string() + "/");
  Files default_home;
  ASSERT_FALSE(default_home.home_directory().empty());
  EXPECT_EQ(default_home.home_directory().back(), '/');
}

}  // namespace
}  // namespace orv::media
