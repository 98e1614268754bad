#include "media/platform_sdl/sdl_window_size.h"

#include <SDL_syswm.h>

namespace orv::media {

SDL_Point shown_window_size(SDL_Window* window) {
  SDL_Point size{0, 0};
  if (window == nullptr) return size;
  SDL_GetWindowSize(window, &size.x, &size.y);
#if defined(SDL_VIDEO_DRIVER_X11) && defined(ORV_HAVE_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0 &&
        attributes.width > 0 && attributes.height > 0) {
      size = {attributes.width, attributes.height};
    }
  }
#endif
  return size;
}

}  // namespace orv::media
