#include "sdl/x_server_view.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11) && defined(ORV_HAVE_X11)
#include <X11/Xutil.h>
#endif

namespace orv::media::test {

#if defined(SDL_VIDEO_DRIVER_X11) && defined(ORV_HAVE_X11)
namespace {

bool x11_of(SDL_Window* window, Display*& display, Window& x_window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
    return false;
  display = info.info.x11.display;
  x_window = info.info.x11.window;
  return true;
}

}  // namespace

std::optional<SDL_Point> server_window_size(SDL_Window* window) {
  Display* display = nullptr;
  Window x_window = 0;
  XWindowAttributes a{};
  if (!x11_of(window, display, x_window) || XGetWindowAttributes(display, x_window, &a) == 0)
    return std::nullopt;
  return SDL_Point{a.width, a.height};
}

std::optional<std::vector<std::uint32_t>> server_window_pixels(SDL_Window* window, int x, int y,
                                                               int width, int height) {
  Display* display = nullptr;
  Window x_window = 0;
  if (!x11_of(window, display, x_window)) return std::nullopt;
  XSync(display, False);
  XImage* image =
      XGetImage(display, x_window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  std::vector<std::uint32_t> pixels;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column)
      pixels.push_back(std::uint32_t(XGetPixel(image, column, row)) & 0xFFFFFFu);
  }
  XDestroyImage(image);
  return pixels;
}
#else
std::optional<SDL_Point> server_window_size(SDL_Window*) {
  return std::nullopt;
}
std::optional<std::vector<std::uint32_t>> server_window_pixels(SDL_Window*, int, int, int, int) {
  return std::nullopt;
}
#endif

}  // namespace orv::media::test
