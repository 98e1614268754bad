// Checks of pictures: each one must load as the game loads it.
#pragma once

#include <optional>
#include <string>

namespace orv::check {

struct DataCheck;

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Loads the picture as the game does; reports it and gives nullopt when it does not load.
std::optional<PictureSize> check_picture(DataCheck& c, const std::string& path);
// The player's picture, the title and loading pictures and the drifting particles.
void check_screen_pictures(DataCheck& c);

}  // namespace orv::check
