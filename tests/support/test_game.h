// A complete game on the headless platform, with a temporary folder for its files.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "game/errors.h"
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

// The exit code the program ended with while running fn; -1 (a failure) when it did not end.
inline int exit_code_of(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const ProgramEnd& end) {
    return end.exit_code;
  }
  ADD_FAILURE() << "the program did not end";
  return -1;
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
