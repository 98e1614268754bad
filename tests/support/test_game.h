// A complete game on the headless platform, with a temporary folder for its files.
#pragma once

#include <filesystem>
#include <string>

#include "game/game.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"

namespace orv::test {

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder's path, ending with "/".
  const std::string& path() const { return path_; }
  // Writes a file below the folder (creating folders) and returns its full path.
  std::string write(const std::string& relative, const std::string& bytes) const;
  std::string read(const std::string& relative) const;

 private:
  std::string path_;
};

struct TestGame {
  explicit TestGame(const std::string& home = "/home/tester/")
      : media(platform, home), game(media) {
    game.frame.start_directory = dir.path();
    game.frame.configuration_path = dir.path() + "DATA\\ini.txt";
  }
  TempDir dir;
  media::HeadlessPlatform platform;
  media::Media media;
  Game game;
};

}  // namespace orv::test
