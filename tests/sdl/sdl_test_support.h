// Helpers of the SDL platform tests: a platform, event pumping with a time limit and the pixels
// the window shows.
#pragma once

#include <SDL.h>

#include <functional>
#include <memory>

#include "media/platform_sdl/sdl_factory.h"
#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {

inline std::unique_ptr<SdlPlatform> make_platform(Presenter presenter = Presenter::kSoftware) {
  return std::unique_ptr<SdlPlatform>(
      static_cast<SdlPlatform*>(make_sdl_platform(presenter).release()));
}

// Pumps events until the condition holds, for at most five seconds.
inline bool pump_until(SdlPlatform& platform, const std::function<bool()>& condition) {
  for (int waited_ms = 0; waited_ms < 5000 && !condition(); waited_ms += 5) {
    platform.pump_events();
    SDL_Delay(5);
  }
  return condition();
}

// Pumps events until the window has the given size, for at most five seconds.
inline bool pump_until_size(SdlPlatform& platform, int width, int height) {
  return pump_until(platform, [&] {
    int w = 0, h = 0;
    SDL_GetWindowSize(platform.window(), &w, &h);
    return w == width && h == height;
  });
}

// The colour (0xRRGGBB) the window's surface holds at (x, y): what was handed to the display.
inline Pixel shown_at(SdlPlatform& platform, int x, int y) {
  SDL_Surface* surface = SDL_GetWindowSurface(platform.window());
  if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0xDEADBEEF;
  const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
  Uint8 r = 0, g = 0, b = 0;
  SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &r, &g, &b);
  return Pixel(r) << 16 | Pixel(g) << 8 | b;
}

}  // namespace orv::media
