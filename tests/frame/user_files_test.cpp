// Files the game writes when its data folder must stay untouched: the error log and
// screenshots go to the player's own folders, the score table always does.
#include "frame/user_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "frame/fault_log.h"
#include "game/input_state.h"
#include "input/screenshots.h"
#include "support/files_temp_folder.h"
#include "support/screen_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// Every file below the folder with its content.
std::map<std::string, std::string> snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    files[entry.path().string()] = entry.is_regular_file() ? std::to_string(entry.file_size()) : "";
  return files;
}

enum class ReadOnly { kInstalled, kNotWritable };

class UserFiles : public ::testing::TestWithParam<ReadOnly> {
 protected:
  UserFiles() {
    test::open_test_screen(t.game, 64, 48);
    t.dir.write("DATA/ini.txt", "APPNAME\nT\n");
    t.dir.write("LOG/.keep", "");
    Config& c = t.game.config;
    c.log_path = t.dir.path() + "LOG/";
    c.log_file = "error.log", c.screenshot_prefix = "SHOTS\\shot_";
    c.highscore_file = "../scores.txt";
    t.media.user_folders = test::home_only(home.path());
  }
  ~UserFiles() override { ::chmod(t.dir.path().c_str(), 0755); }

  media::testing::FilesTempFolder home;
  test::ScreenGame t;
};

TEST_P(UserFiles, PlayerFilesGoToThePlayersFoldersNeverIntoTheData) {
  if (GetParam() == ReadOnly::kInstalled) {
    t.game.frame.installed_data = true;
  } else {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ::chmod(t.dir.path().c_str(), 0555);
  }
  const auto data_before = snapshot(t.dir.path());

  place_user_files(t.game);
  write_log_entry(t.game, "Attempted division by zero");
  screenshot_test(t.game, Command::kScreenshot);

  const Config& c = t.game.config;
  EXPECT_EQ(c.log_path + c.log_file, home / ".local/state/orvante/error.log");
  EXPECT_EQ(c.screenshot_prefix, home / ".local/share/orvante/shot_");  // no ~/Pictures here
  // The table is kept per data set, in the folder of its key.
  ASSERT_EQ(t.game.frame.data_set_key.size(), 16u);
  EXPECT_EQ(c.highscore_file,
            home / (".local/share/orvante/records/" + t.game.frame.data_set_key + "/scores.txt"));
  EXPECT_NE(home.read(".local/state/orvante/error.log").find("Attempted division by zero"),
            std::string::npos);
  int shots = 0;
  for (const auto& entry : fs::directory_iterator(home / ".local/share/orvante/"))
    shots += entry.path().filename().string().starts_with("shot_");
  EXPECT_EQ(std::tuple(shots, snapshot(t.dir.path())), std::tuple(1, data_before));
}

INSTANTIATE_TEST_SUITE_P(Folders, UserFiles,
                         ::testing::Values(ReadOnly::kInstalled, ReadOnly::kNotWritable));

TEST(UserFilesWritable, AWritableDataFolderKeepsThePlayerFilesWhereTheyWere) {
  test::ScreenGame t;
  media::testing::FilesTempFolder home;
  t.media.user_folders = test::home_only(home.path());
  t.game.config.log_path = t.dir.path() + "LOG/";
  t.game.config.screenshot_prefix = "SHOTS\\";
  place_user_files(t.game);
  EXPECT_EQ(std::tuple(t.game.config.log_path, t.game.config.screenshot_prefix,
                       t.game.config.highscore_file),
            std::tuple(t.dir.path() + "LOG/", "SHOTS\\", ""));
  EXPECT_FALSE(fs::exists(home / ".local"));  // nothing made without a reason
}

}  // namespace
}  // namespace orv
