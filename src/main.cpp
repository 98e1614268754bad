// The game's entry point: the real platform, then the game.
#include <memory>

#include "media/platform.h"

int main() {
  auto platform = orv::media::make_sdl_platform();
  return platform ? 0 : 1;
}
