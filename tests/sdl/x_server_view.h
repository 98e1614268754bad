// What the X server itself shows of an SDL window, asked through Xlib (kept out of the test
// files: Xlib's macros clash with GoogleTest's names).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::media::test {

// The window's size as the server has it; nullopt when the window is not an X11 window or
// Xlib is not built in.
std::optional<SDL_Point> server_window_size(SDL_Window* window);
// The colours 0xRRGGBB of the window's width x height pixels from (x, y), row by row, as the
// server shows them; nullopt as above.
std::optional<std::vector<std::uint32_t>> server_window_pixels(SDL_Window* window, int x, int y,
                                                               int width, int height);

}  // namespace orv::media::test
