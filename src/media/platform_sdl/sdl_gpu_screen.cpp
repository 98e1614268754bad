#include "media/platform_sdl/sdl_gpu_screen.h"

#include "media/platform_sdl/sdl_screen.h"
#include "media/platform_sdl/sdl_window_size.h"
#include "media/render/stretch_nearest.h"

namespace orv::media {

namespace {

constexpr int kFramesBetweenSizeChecks = 30;

}  // namespace

bool SdlGpuScreen::attach(SDL_Window* window, const std::string& driver, bool vsync) {
  detach();
  if (!window) return false;
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, driver.c_str());
  const Uint32 flags = SDL_RENDERER_ACCELERATED | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
  renderer_ = SDL_CreateRenderer(window, -1, flags);
  SDL_ResetHint(SDL_HINT_RENDER_DRIVER);
  window_ = renderer_ ? window : nullptr;
  vsync_ = waiting_ = renderer_ && vsync;
  return renderer_ != nullptr;
}

void SdlGpuScreen::detach() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  output_ = shown_ = {};
  frames_to_ask_ = 0;
  vsync_ = waiting_ = false;
  texture_w_ = texture_h_ = 0;
  picture_rect_ = {};
}

void SdlGpuScreen::set_scaling(Scaling scaling) {
  scaling_ = scaling;
  if (texture_) {
    SDL_SetTextureScaleMode(
        texture_, scaling_ == Scaling::kSharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  }
}

// The texture keeps the picture's size; the alpha bytes of the game's pixels are ignored.
bool SdlGpuScreen::fit_texture(int width, int height) {
  if (texture_ && texture_w_ == width && texture_h_ == height) return true;
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  texture_w_ = texture_ ? width : 0;
  texture_h_ = texture_ ? height : 0;
  if (!texture_) return false;
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  set_scaling(scaling_);
  return true;
}

// The part of the renderer's output the display shows, from its top-left corner. Where the
// output has pixels of its own (a high-density display), it is taken whole.
SDL_Point SdlGpuScreen::shown_size(int out_w, int out_h) {
  if (out_w != output_.x || out_h != output_.y || (frames_to_ask_ > 0 && --frames_to_ask_ == 0)) {
    output_ = {out_w, out_h};
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    shown_ = w == out_w && h == out_h ? shown_window_size(window_) : output_;
    if (shown_.x <= 0 || shown_.y <= 0) shown_ = output_;
    frames_to_ask_ = shown_.x != out_w || shown_.y != out_h ? kFramesBetweenSizeChecks : 0;
  }
  return {SDL_min(shown_.x, out_w), SDL_min(shown_.y, out_h)};
}

void SdlGpuScreen::present(const Pixel* pixels, int width, int height, bool wait) {
  if (!renderer_ || !pixels || width <= 0 || height <= 0 || !fit_texture(width, height)) return;
  // A texture the renderer lost (a GPU reset) is made anew for the next picture.
  if (SDL_UpdateTexture(texture_, nullptr, pixels, width * int(sizeof(Pixel))) != 0) {
    SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    return;
  }
  int out_w = 0, out_h = 0;
  if (SDL_GetRendererOutputSize(renderer_, &out_w, &out_h) != 0) return;
  const SDL_Point shown = shown_size(out_w, out_h);
  SDL_Rect rect = letterbox(width, height, shown.x, shown.y);
  if (scaling_ == Scaling::kSharp) {
    const ScreenRect r =
        sharp_rect(width, height, shown.x, shown.y, {rect.x, rect.y, rect.w, rect.h});
    rect = {r.x, r.y, r.w, r.h};
  }
  picture_rect_ = rect;
  // GL counts rows up from the bottom of the drawable, which is the window shown: a renderer
  // that takes its output to be taller places the picture that much lower.
  SDL_Rect drawn = rect;
  drawn.y += out_h - shown.y;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &drawn);
  if (vsync_ && waiting_ != wait && SDL_RenderSetVSync(renderer_, wait ? 1 : 0) == 0)
    waiting_ = wait;
  SDL_RenderPresent(renderer_);
}

}  // namespace orv::media
