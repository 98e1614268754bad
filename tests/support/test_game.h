// A complete game on the headless platform, with a temporary folder for its files.
#pragma once

#include <optional>
#include <string>

#include "game/game.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "support/files_temp_folder.h"

namespace orv::test {

// A fresh temporary folder, removed with the object; write() returns the file's full path.
class TempDir : public media::testing::FilesTempFolder {
 public:
  std::string write(const std::string& relative, const std::string& bytes) const {
    FilesTempFolder::write(relative, bytes);
    return path() + relative;
  }
};

// User folders that know HOME only, at root.
inline media::UserFolders home_only(const std::string& root) {
  return media::UserFolders([root](const std::string& name) {
    return name == "HOME" ? std::optional(root) : std::nullopt;
  });
}

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
