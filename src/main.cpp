// The game's entry point: the real platform, the media services, the game.
#include <cstdio>
#include <memory>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/media.h"
#include "media/platform_sdl/sdl_factory.h"

int main() {
  auto platform = orv::media::make_sdl_platform();
  if (!platform) {
    std::fprintf(stderr, "ERROR : the video system could not be started\n");
    return 1;
  }
  orv::media::Media media(*platform);
  orv::Game game(media);
  try {
    orv::start_up(game);
    orv::main_loop(game);
  } catch (const orv::ProgramEnd& end) {
    return end.exit_code;
  }
}
