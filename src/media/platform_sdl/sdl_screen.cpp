#include "media/platform_sdl/sdl_screen.h"

#include <cstddef>

#include "media/platform_sdl/sdl_window_size.h"
#include "media/render/quad_upright.h"
#include "media/render/stretch_nearest.h"

namespace orv::media {

namespace {

// While the window the display shows differs from SDL's surface (a window manager still at
// work, or none at all), its size is asked for again every this many frames.
constexpr int kFramesBetweenSizeChecks = 30;

// Formats whose pixels have the back buffer's layout, 0x??RRGGBB, so the blit is a plain copy
// (the alpha byte is ignored or copied, never blended).
bool same_layout(Uint32 format) {
  return format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
}

}  // namespace

SDL_Rect letterbox(int picture_w, int picture_h, int window_w, int window_h) {
  if (picture_w <= 0 || picture_h <= 0 || window_w <= 0 || window_h <= 0) return {};
  const std::int64_t pw = picture_w, ph = picture_h, ww = window_w, wh = window_h;
  SDL_Rect r{};
  if (ww * ph <= wh * pw) {  // the width limits: bars above and below
    r.w = window_w;
    r.h = int((ww * ph * 2 + pw) / (pw * 2));
  } else {  // the height limits: bars left and right
    r.h = window_h;
    r.w = int((wh * pw * 2 + ph) / (ph * 2));
  }
  r.x = (window_w - r.w) / 2;
  r.y = (window_h - r.h) / 2;
  return r;
}

bool SdlScreen::attach(SDL_Window* window) {
  detach();
  window_ = window;
  if (window_ && SDL_GetWindowSurface(window_)) return true;
  window_ = nullptr;
  return false;
}

void SdlScreen::detach() {
  if (source_) SDL_FreeSurface(source_);
  source_ = nullptr;
  shown_on_ = nullptr;
  window_ = nullptr;
  window_size_ = {};
  frames_to_ask_ = 0;
  picture_rect_ = {};
  memory_ = nullptr;
}

// The surface header is made once per picture size and format; each frame only points it at
// the pixels to show.
SDL_Surface* SdlScreen::wrap(const Pixel* pixels, int width, int height, Uint32 format) {
  if (!source_ || source_->w != width || source_->h != height ||
      source_->format->format != format) {
    if (source_) SDL_FreeSurface(source_);
    source_ = SDL_CreateRGBSurfaceWithFormatFrom(nullptr, width, height, 32,
                                                 width * int(sizeof(Pixel)), format);
    if (!source_) return nullptr;
    SDL_SetSurfaceBlendMode(source_, SDL_BLENDMODE_NONE);
  }
  source_->pixels = const_cast<Pixel*>(pixels);
  return source_;
}

SDL_Point SdlScreen::shown_part(const SDL_Surface* target, bool new_surface) {
  if (new_surface || (frames_to_ask_ > 0 && --frames_to_ask_ == 0)) {
    window_size_ = shown_window_size(window_);
    const bool differs = window_size_.x != target->w || window_size_.y != target->h;
    frames_to_ask_ = differs ? kFramesBetweenSizeChecks : 0;
  }
  if (window_size_.x <= 0 || window_size_.y <= 0) return {target->w, target->h};
  return {SDL_min(window_size_.x, target->w), SDL_min(window_size_.y, target->h)};
}

// The bars change with the picture's place: the next picture clears the window first.
void SdlScreen::set_scaling(Scaling scaling) {
  scaling_ = scaling;
  shown_on_ = nullptr;
}

Pixel* SdlScreen::window_memory(int width, int height) const {
  return memory_ && width == shown_w_ && height == shown_h_ ? memory_ : nullptr;
}

// The surface's memory can hold the picture as it is shown when the window shows the whole
// surface, of the picture's size, in its layout, rows right after each other.
void SdlScreen::note_memory(SDL_Surface* target, const SDL_Point& shown) {
  const bool fits = shown.x == target->w && shown.y == target->h &&
                    same_layout(target->format->format) &&
                    target->pitch == target->w * int(sizeof(Pixel)) && !SDL_MUSTLOCK(target);
  memory_ = fits ? static_cast<Pixel*>(target->pixels) : nullptr;
}

void SdlScreen::present(const Pixel* pixels, int width, int height) {
  if (!window_ || !pixels || width <= 0 || height <= 0) return;
  if (memory_ && pixels == memory_) {
    // The game drew in the surface: nothing to copy, and no SDL_GetWindowSurface, which could
    // free the memory the game still holds.
    if (SDL_UpdateWindowSurface(window_) != 0) memory_ = nullptr;
    return;
  }
  // Cheap while the window keeps its size; after a resize SDL makes a new surface.
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!target) return;
  const Uint32 format =
      same_layout(target->format->format) ? target->format->format : Uint32(SDL_PIXELFORMAT_RGB888);
  SDL_Surface* source = wrap(pixels, width, height, format);
  if (!source) return;
  const bool new_surface = target != shown_on_ || target->w != shown_w_ || target->h != shown_h_;
  const SDL_Point shown = shown_part(target, new_surface);
  SDL_Rect rect = letterbox(width, height, shown.x, shown.y);
  const bool sharp = scaling_ == Scaling::kSharp;
  if (sharp) {
    const ScreenRect r =
        sharp_rect(width, height, shown.x, shown.y, {rect.x, rect.y, rect.w, rect.h});
    rect = {r.x, r.y, r.w, r.h};
  }
  const bool scaled = rect.w != width || rect.h != height;
  if (new_surface || shown.x != bars_for_.x || shown.y != bars_for_.y) {
    // A new surface, or a new part of it shown: its content is undefined, and the bars stay
    // black from now on.
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    shown_on_ = target;
    shown_w_ = target->w;
    shown_h_ = target->h;
    bars_for_ = shown;
  }
  picture_rect_ = rect;
  note_memory(target, shown);
  if (!scaled) {
    SDL_BlitSurface(source, nullptr, target, &rect);
  } else if (format == target->format->format && SDL_LockSurface(target) == 0) {
    // The renderer's own bilinear stretch, written straight into the window's rows: several
    // times faster than SDL_SoftStretchLinear.
    const std::ptrdiff_t stride = target->pitch / std::ptrdiff_t(sizeof(Pixel));
    Pixel* corner = static_cast<Pixel*>(target->pixels) + rect.y * stride + rect.x;
    if (sharp) {
      stretch_nearest({pixels, width, height, width}, corner, rect.w, rect.h, stride);
    } else {
      stretch_bilinear({pixels, width, height, width}, corner, rect.w, rect.h, stride);
    }
    SDL_UnlockSurface(target);
  } else {
    SDL_BlitScaled(source, nullptr, target, &rect);
  }
  SDL_UpdateWindowSurface(window_);
}

}  // namespace orv::media
