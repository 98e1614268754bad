#include "media/platform_sdl/sdl_factory.h"

#include <SDL.h>

#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {

namespace {

constexpr int kX11Attempts = 5;
constexpr Uint32 kX11RetryMs = 20;

// A busy X server now and then refuses a new connection for a moment (EAGAIN). SDL would then
// go on to Wayland or to its "offscreen" driver, which shows nothing. So when an X display is
// there and nobody chose a driver, insist on X11 a few times before letting SDL choose.
bool init_video() {
  if (!SDL_GetHint(SDL_HINT_VIDEODRIVER) && SDL_getenv("DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    bool ready = false;
    for (int attempt = 0; attempt < kX11Attempts && !ready; ++attempt) {
      ready = SDL_Init(SDL_INIT_VIDEO) == 0;
      if (!ready) SDL_Delay(kX11RetryMs);
    }
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    if (ready) return true;
  }
  return SDL_Init(SDL_INIT_VIDEO) == 0;
}

}  // namespace

std::unique_ptr<Platform> make_sdl_platform(Presenter presenter) {
  // The window surface is the CPU's own memory, copied to the display: SDL's software
  // framebuffer does that in well under a millisecond for 1024x768, while through OpenGL
  // (llvmpipe on machines without a GPU) it took four times as long. Where a GPU is real, the
  // platform shows pictures through a renderer instead (see sdl_renderer_choice.h).
  // An environment variable of the same name still overrides this.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (!init_video()) return nullptr;
  return std::make_unique<SdlPlatform>(presenter);
}

}  // namespace orv::media
