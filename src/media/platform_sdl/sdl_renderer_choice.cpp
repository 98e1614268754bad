#include "media/platform_sdl/sdl_renderer_choice.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace orv::media {

namespace {

constexpr const char* kGlDrivers[] = {"opengl", "opengles2"};
constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER, the name of the rasteriser

bool offered(const char* name) {
  const int count = SDL_GetNumRenderDrivers();
  for (int i = 0; i < count; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return true;
  }
  return false;
}

// Without a GPU device node Mesa can only rasterise in software; probing would just spend the
// time of making a GL context. A display on another machine is drawn over the network.
bool gpu_unlikely() {
  const char* software = SDL_getenv("LIBGL_ALWAYS_SOFTWARE");
  if (software && *software && std::strcmp(software, "0") != 0) return true;
  const char* display = SDL_getenv("DISPLAY");
  if (display && *display && display[0] != ':' && std::strncmp(display, "unix:", 5) != 0)
    return true;
#ifdef __linux__
  std::error_code error;
  if (!std::filesystem::exists("/dev/dri", error) &&
      !std::filesystem::exists("/dev/nvidia0", error))
    return true;
#endif
  return false;
}

// Makes a renderer of the driver on a small hidden window and asks what draws it.
bool accelerated(const char* driver) {
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!probe) return false;
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, driver);
  SDL_Renderer* renderer = SDL_CreateRenderer(probe, -1, SDL_RENDERER_ACCELERATED);
  SDL_ResetHint(SDL_HINT_RENDER_DRIVER);
  SDL_RendererInfo info{};
  const bool hardware = renderer && SDL_GetRendererInfo(renderer, &info) == 0 &&
                        (info.flags & SDL_RENDERER_ACCELERATED) &&
                        std::strcmp(info.name, "software") != 0 && !software_rasterised();
  if (renderer) SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(probe);
  return hardware;
}

}  // namespace

bool software_rasterised() {
  using GetString = const unsigned char* (*)(unsigned);
  auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!get_string || !SDL_GL_GetCurrentContext()) return false;
  const auto* name = reinterpret_cast<const char*>(get_string(kGlRenderer));
  if (!name) return true;
  for (const char* mark : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
    if (std::strstr(name, mark)) return true;
  }
  return false;
}

std::string choose_renderer_driver(Presenter presenter) {
#ifdef __EMSCRIPTEN__
  presenter = Presenter::kSoftware;  // the page scales the canvas
#endif
  if (presenter == Presenter::kSoftware) return {};
  if (presenter == Presenter::kAuto && gpu_unlikely()) return {};
  for (const char* driver : kGlDrivers) {
    if (!offered(driver)) continue;
    if (presenter == Presenter::kGpu || accelerated(driver)) return driver;
  }
  return {};
}

bool display_at_60_hz() {
  SDL_DisplayMode mode;
  return SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate >= 59 &&
         mode.refresh_rate <= 61;
}

}  // namespace orv::media
