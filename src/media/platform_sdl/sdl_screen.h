// The screen of the SDL platform: the game's picture shown in the window with one copy.
//
// The picture is blitted straight from the game's back buffer onto the window's own surface,
// the memory SDL hands to the display (an X shared-memory image under X11), so presenting a
// frame copies it once. Where the surface shows the picture unscaled and has its layout, the
// screen offers the surface's memory for the game to draw in (window_memory), and presenting
// that memory copies nothing.
//
// SDL frees the surface only inside SDL_GetWindowSurface, once a resize or a fullscreen switch
// made it invalid (or with the window). So the memory stays valid for as long as the game
// presents from it: then present only calls SDL_UpdateWindowSurface, which refuses an invalid
// surface without freeing it. Once the surface may have changed (a size change seen among the
// events, a fullscreen switch, or that refusal) the memory is no longer offered; the game moves
// its picture out before its next present, and that present, given other pixels, asks SDL for
// the new surface.
//
// When the window is not the picture's size (fullscreen, or a window resized by the desktop)
// the picture is scaled smoothly into the largest centred rectangle of its aspect ratio, and
// the rest of the window is black. The scaling is the renderer's bilinear filter, or in sharp
// mode a nearest-neighbour copy by whole multiples where they fit (see stretch_nearest.h). The
// window's size is the one the display shows (shown_window_size): without a window manager a
// fullscreen window keeps its own size while SDL's surface takes the desktop's.
#pragma once

#include <SDL.h>

#include "media/platform.h"
#include "media/types.h"

namespace orv::media {

// The largest rectangle of the picture's aspect ratio inside the window, centred.
SDL_Rect letterbox(int picture_w, int picture_h, int window_w, int window_h);

class SdlScreen {
 public:
  SdlScreen() = default;
  ~SdlScreen() { detach(); }
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  // Shows pictures in this window from now on; false when the window has no surface.
  bool attach(SDL_Window* window);
  void detach();
  void present(const Pixel* pixels, int width, int height);
  void set_scaling(Scaling scaling);
  // The surface's memory when it can take a width x height picture as it is shown, else null.
  Pixel* window_memory(int width, int height) const;
  // The window's size or mode changed: SDL replaces the surface at the next ask.
  void surface_may_change() { memory_ = nullptr; }
  // Where the last picture went inside the window.
  SDL_Rect picture_rect() const { return picture_rect_; }

 private:
  SDL_Surface* wrap(const Pixel* pixels, int width, int height, Uint32 format);
  // The part of the surface the window shows, from its top-left corner.
  SDL_Point shown_part(const SDL_Surface* target, bool new_surface);

  SDL_Window* window_ = nullptr;
  SDL_Surface* source_ = nullptr;  // the game's pixels, seen as an SDL surface
  SDL_Surface* shown_on_ = nullptr;
  int shown_w_ = 0, shown_h_ = 0;  // surface size the black bars were drawn for
  SDL_Point bars_for_{};           // and the part of it the window shows
  SDL_Point window_size_{};        // as the display shows it, asked for when the surface changes
  int frames_to_ask_ = 0;          // while it differs from the surface's, asked again now and then
  SDL_Rect picture_rect_{};
  Pixel* memory_ = nullptr;  // the surface's pixels, while they can be offered
  void note_memory(SDL_Surface* target, const SDL_Point& shown);
  Scaling scaling_ = Scaling::kSmooth;
};

}  // namespace orv::media
