// Per-user folders after the XDG rules, on an environment of the test's own, and the data
// folder search.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "media/files/data_folder.h"
#include "media/files/user_folders.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookup(Environment env) {
  return [env = std::move(env)](const std::string& name) -> std::optional<std::string> {
    auto it = env.find(name);
    if (it == env.end()) return std::nullopt;
    return it->second;
  };
}

struct BaseCase {
  const char* what;
  Environment env;
  std::string config, data, state;
};

class UserFolderBases : public ::testing::TestWithParam<BaseCase> {};

TEST_P(UserFolderBases, FollowTheVariablesOrFallBackBelowHome) {
  const BaseCase& c = GetParam();
  const UserFolders folders(lookup(c.env));
  EXPECT_EQ(folders.config_folder(), c.config);
  EXPECT_EQ(folders.data_folder(), c.data);
  EXPECT_EQ(folders.state_folder(), c.state);
}

INSTANTIATE_TEST_SUITE_P(Cases, UserFolderBases,
                         ::testing::Values(BaseCase{"unset",
                                                    {{"HOME", "/home/ann"}},
                                                    "/home/ann/.config/orvante/",
                                                    "/home/ann/.local/share/orvante/",
                                                    "/home/ann/.local/state/orvante/"},
                                           BaseCase{"set, with and without a trailing slash",
                                                    {{"HOME", "/home/ann/"},
                                                     {"XDG_CONFIG_HOME", "/c"},
                                                     {"XDG_DATA_HOME", "/d/"},
                                                     {"XDG_STATE_HOME", "/s"}},
                                                    "/c/orvante/",
                                                    "/d/orvante/",
                                                    "/s/orvante/"},
                                           BaseCase{"empty and relative values fall back",
                                                    {{"HOME", "/h"},
                                                     {"XDG_CONFIG_HOME", ""},
                                                     {"XDG_DATA_HOME", "rel/data"},
                                                     {"XDG_STATE_HOME", "./s"}},
                                                    "/h/.config/orvante/",
                                                    "/h/.local/share/orvante/",
                                                    "/h/.local/state/orvante/"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

class PicturesFolder : public ::testing::Test {
 protected:
  std::string pictures(Environment env = {}) const {
    env.emplace("HOME", home.path());
    return UserFolders(lookup(env)).pictures_folder();
  }
  testing::FilesTempFolder home;
};

TEST_F(PicturesFolder, ComesFromUserDirsThenPicturesThenTheDataFolder) {
  EXPECT_EQ(pictures(), home / ".local/share/orvante/");  // no Pictures folder
  home.write("Pictures/");
  EXPECT_EQ(pictures(), home / "Pictures/orvante/");
  home.write(".config/user-dirs.dirs",
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  EXPECT_EQ(pictures(), home / "Bilder/orvante/");
  home.write(".config/user-dirs.dirs", "XDG_PICTURES_DIR=\"/srv/pics\"\n");
  EXPECT_EQ(pictures(), "/srv/pics/orvante/");
  EXPECT_EQ(pictures({{"XDG_PICTURES_DIR", "/env/pics"}}), "/env/pics/orvante/");
}

TEST_F(PicturesFolder, IgnoresUserDirsEntriesThatNameNoFolderOfItsOwn) {
  home.write("Pictures/");
  // "$HOME/" means the entry is switched off; relative paths and broken quotes are not valid.
  for (const char* line : {"XDG_PICTURES_DIR=\"$HOME/\"", "XDG_PICTURES_DIR=\"pics\"",
                           "XDG_PICTURES_DIR=\"/x", "XDG_PICTURES_DIR=/x"}) {
    home.write(".config/user-dirs.dirs", std::string(line) + "\n");
    EXPECT_EQ(pictures(), home / "Pictures/orvante/") << line;
  }
}

TEST(CreateFolder, MakesParentsAndReportsWhatFails) {
  testing::FilesTempFolder dir;
  EXPECT_EQ(create_folder(dir / "a/b/c/"), "");
  EXPECT_TRUE(folder_writable(dir / "a/b/c/"));
  EXPECT_EQ(create_folder(dir / "a/b/c/"), "");  // already there
  dir.write("file", "x");
  EXPECT_NE(create_folder(dir / "file/sub/"), "");
  EXPECT_NE(create_folder(dir / "file"), "");
}

struct SearchCase {
  const char* what;
  DataFolderPlaces places;
  std::set<std::string> with_configuration;
  std::optional<std::string> found;
  std::vector<std::string> looked;
};

class DataFolderSearchTable : public ::testing::TestWithParam<SearchCase> {};

TEST_P(DataFolderSearchTable, TakesTheFirstPlaceHoldingTheConfiguration) {
  const SearchCase& c = GetParam();
  const DataFolderSearch search = find_data_folder(
      c.places, [&](const std::string& f) { return c.with_configuration.count(f) > 0; });
  EXPECT_EQ(search.folder, c.found) << c.what;
  EXPECT_EQ(search.looked, c.looked) << c.what;
}

const DataFolderPlaces kAll{"", "/env", "/cwd/", "/inst/", "/src/"};
const DataFolderPlaces kOption{"/opt", "/env", "/cwd/", "/inst/", "/src/"};

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFolderSearchTable,
    ::testing::Values(
        SearchCase{"option holds it", kOption, {"/opt/", "/cwd/"}, "/opt/", {"/opt/"}},
        SearchCase{"option alone, even without it", kOption, {"/cwd/"}, std::nullopt, {"/opt/"}},
        SearchCase{"environment first", kAll, {"/env/", "/cwd/"}, "/env/", {"/env/"}},
        SearchCase{"current directory", kAll, {"/cwd/", "/src/"}, "/cwd/", {"/env/", "/cwd/"}},
        SearchCase{"installed", kAll, {"/inst/", "/src/"}, "/inst/", {"/env/", "/cwd/", "/inst/"}},
        SearchCase{
            "source tree last", kAll, {"/src/"}, "/src/", {"/env/", "/cwd/", "/inst/", "/src/"}},
        SearchCase{"none: every place named",
                   kAll,
                   {},
                   std::nullopt,
                   {"/env/", "/cwd/", "/inst/", "/src/"}},
        SearchCase{"unset places are skipped",
                   {"", "", "/cwd/", "", "/src/"},
                   {"/src/"},
                   "/src/",
                   {"/cwd/", "/src/"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DataFolderSearch, FindsTheConfigurationOnDisk) {
  testing::FilesTempFolder dir;
  dir.write("good/DATA/ini.txt", "APPNAME\nX\n");
  dir.write("folder_only/DATA/ini.txt/");
  dir.write("empty/");
  EXPECT_TRUE(holds_configuration(dir / "good"));
  EXPECT_FALSE(holds_configuration(dir / "folder_only"));
  EXPECT_FALSE(holds_configuration(dir / "empty/"));
  EXPECT_FALSE(holds_configuration(dir / "missing/"));
}

}  // namespace
}  // namespace orv::media
