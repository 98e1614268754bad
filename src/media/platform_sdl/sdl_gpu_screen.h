// The screen of the SDL platform on the GPU: each finished picture is uploaded once into a
// streaming texture, and the GPU scales it into the window (linear filtering when smooth,
// nearest when sharp) inside the same letterbox as the software screen, with black bars.
// A window shown this way is never asked for its surface: SDL forbids both on one window.
// As on the CPU, the picture is fitted to the window the display really shows (see
// sdl_window_size.h): on a bare X server a fullscreen window keeps its own size.
#pragma once

#include <SDL.h>

#include <string>

#include "media/platform.h"
#include "media/types.h"

namespace orv::media {

class SdlGpuScreen {
 public:
  SdlGpuScreen() = default;
  ~SdlGpuScreen() { detach(); }
  SdlGpuScreen(const SdlGpuScreen&) = delete;
  SdlGpuScreen& operator=(const SdlGpuScreen&) = delete;

  // Makes a renderer of the named driver ("opengl", ...) for the window, synchronised with
  // the display when vsync; false, keeping nothing, when SDL cannot make one.
  bool attach(SDL_Window* window, const std::string& driver, bool vsync);
  void detach();
  bool attached() const { return renderer_ != nullptr; }
  // A frame waits for the display when the renderer was made with vsync; a progress picture
  // (wait false) never does, so a level build is not held back one display frame per picture.
  void present(const Pixel* pixels, int width, int height, bool wait = true);
  void set_scaling(Scaling scaling);
  SDL_Rect picture_rect() const { return picture_rect_; }
  SDL_Renderer* renderer() const { return renderer_; }

 private:
  bool fit_texture(int width, int height);
  SDL_Point shown_size(int out_w, int out_h);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int texture_w_ = 0, texture_h_ = 0;
  SDL_Rect picture_rect_{};
  SDL_Point output_{};     // the renderer's size when the shown size was last asked for
  SDL_Point shown_{};      // the window's size as the display shows it
  int frames_to_ask_ = 0;  // while the two differ, asked again now and then
  Scaling scaling_ = Scaling::kSmooth;
  bool vsync_ = false;    // made to wait for the display
  bool waiting_ = false;  // and waiting now
};

}  // namespace orv::media
