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

// Unset; set, with and without a trailing slash; empty and relative values, which fall back.
TEST(UserFolderBases, FollowTheVariablesOrFallBackBelowHome) {
  const std::pair<Environment, std::string> cases[] = {
      {{{"HOME", "/home/ann"}},
       "/home/ann/.config/orvante/ /home/ann/.local/share/orvante/ "
       "/home/ann/.local/state/orvante/"},
      {{{"HOME", "/home/ann/"},
        {"XDG_CONFIG_HOME", "/c"},
        {"XDG_DATA_HOME", "/d/"},
        {"XDG_STATE_HOME", "/s"}},
       "/c/orvante/ /d/orvante/ /s/orvante/"},
      {{{"HOME", "/h"},
        {"XDG_CONFIG_HOME", ""},
        {"XDG_DATA_HOME", "rel/data"},
        {"XDG_STATE_HOME", "./s"}},
       "/h/.config/orvante/ /h/.local/share/orvante/ /h/.local/state/orvante/"}};
  for (const auto& [env, expected] : cases) {
    const UserFolders f(lookup(env));
    EXPECT_EQ(f.config_folder() + " " + f.data_folder() + " " + f.state_folder(), expected);
  }
}

class PicturesFolder : public ::testing::Test {
 protected:
  std::string pictures(Environment env = {}) const {
    env.emplace("HOME", home.path());
    return UserFolders(lookup(env)).pictures_folder();
  }
  testing::FilesTempFolder home;
};

// user-dirs entries that name no folder of their own are ignored: "$HOME/" means the entry is
// switched off; relative paths and broken quotes are not valid.
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
  for (const char* line : {"XDG_PICTURES_DIR=\"$HOME/\"", "XDG_PICTURES_DIR=\"pics\"",
                           "XDG_PICTURES_DIR=\"/x", "XDG_PICTURES_DIR=/x"}) {
    home.write(".config/user-dirs.dirs", std::string(line) + "\n");
    EXPECT_EQ(pictures(), home / "Pictures/orvante/") << line;
  }
}

TEST(CreateFolder, MakesMissingParentsOrSaysWhyNot) {
  testing::FilesTempFolder dir;
  EXPECT_EQ(create_folder(dir / "a/b/c/"), "");
  EXPECT_TRUE(folder_writable(dir / "a/b/c/"));
  EXPECT_EQ(create_folder(dir / "a/b/c/"), "");  // already there
  dir.write("file", "x");
  EXPECT_NE(create_folder(dir / "file/sub/"), "");
  EXPECT_NE(create_folder(dir / "file"), "");
}

// The option alone when given (even without the configuration), else the environment, the
// current directory, the installed data and the source tree in turn; unset places are skipped.
TEST(DataFolderSearch, TakesTheFirstPlaceHoldingTheConfiguration) {
  const DataFolderPlaces all{"", "/env", "/cwd/", "/inst/", "/src/"};
  const DataFolderPlaces option{"/opt", "/env", "/cwd/", "/inst/", "/src/"};
  const struct {
    DataFolderPlaces places;
    std::set<std::string> with_configuration;
    std::optional<std::string> found;
    std::vector<std::string> looked;
  } cases[] = {{option, {"/opt/", "/cwd/"}, "/opt/", {"/opt/"}},
               {option, {"/cwd/"}, std::nullopt, {"/opt/"}},
               {all, {"/env/", "/cwd/"}, "/env/", {"/env/"}},
               {all, {"/cwd/", "/src/"}, "/cwd/", {"/env/", "/cwd/"}},
               {all, {"/inst/", "/src/"}, "/inst/", {"/env/", "/cwd/", "/inst/"}},
               {all, {"/src/"}, "/src/", {"/env/", "/cwd/", "/inst/", "/src/"}},
               {all, {}, std::nullopt, {"/env/", "/cwd/", "/inst/", "/src/"}},
               {{"", "", "/cwd/", "", "/src/"}, {"/src/"}, "/src/", {"/cwd/", "/src/"}}};
  for (const auto& c : cases) {
    const DataFolderSearch search = find_data_folder(
        c.places, [&](const std::string& f) { return c.with_configuration.count(f) > 0; });
    EXPECT_EQ(std::pair(search.folder, search.looked), std::pair(c.found, c.looked))
        << c.looked.size() << " " << c.found.value_or("none");
  }
}

TEST(DataFolderSearch, FindsTheConfigurationOnDisk) {
  testing::FilesTempFolder dir;
  dir.write("good/DATA/ini.txt", "APPNAME\nX\n");
  dir.write("folder_only/DATA/ini.txt/");
  dir.write("empty/");
  EXPECT_TRUE(holds_configuration(dir / "good"));
  for (const char* folder : {"folder_only", "empty/", "missing/"})
    EXPECT_FALSE(holds_configuration(dir / folder)) << folder;
}

}  // namespace
}  // namespace orv::media
