// The size a window really has on the display.
#pragma once

#include <SDL.h>

namespace orv::media {

// The window's size as the display shows it. SDL reports the size it asked for: after a
// fullscreen request that no window manager carried out (a bare X server) it reports the
// desktop's size while the window keeps its own. Under X11 the server is asked; elsewhere, or
// when the server cannot tell, SDL's size is taken.
SDL_Point shown_window_size(SDL_Window* window);

}  // namespace orv::media
