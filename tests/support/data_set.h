// The test data set of tests/fixtures/data, copied into a test's own folder.
#pragma once

#include <filesystem>
#include <string>

#include "support/test_game.h"

namespace orv::test {

// Copies tests/fixtures/data/DATA into the game's folder, reads its DATA/ini.txt and opens the
// headless screen. Settings that the game reads relative to the current directory (the tile
// definition folder, the music and screen sprite folders, the level file name) are pointed at
// the copy, so no test has to change the process's current directory.
void use_data_set(TestGame& t);

// Changes the process's current directory for the life of the object.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& path)
      : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
  }
  ~CurrentDirectory() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
  }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::string previous_;
};

}  // namespace orv::test
