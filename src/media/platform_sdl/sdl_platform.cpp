#include "media/platform_sdl/sdl_platform.h"

#include "media/platform_sdl/sdl_convert.h"

namespace orv::media {

namespace {

constexpr int kX11Attempts = 5;
constexpr Uint32 kX11RetryMs = 20;

// A busy X server now and then refuses a new connection for a moment (EAGAIN). SDL would then
// go on to Wayland or to its "offscreen" driver, which shows nothing. So when an X display is
// there and nobody chose a driver, insist on X11 a few times before letting SDL choose.
bool init_video() {
  if (!SDL_GetHint(SDL_HINT_VIDEODRIVER) && SDL_getenv("DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    bool ready = false;
    for (int attempt = 0; attempt < kX11Attempts && !ready; ++attempt) {
      ready = SDL_Init(SDL_INIT_VIDEO) == 0;
      if (!ready) SDL_Delay(kX11RetryMs);
    }
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    if (ready) return true;
  }
  return SDL_Init(SDL_INIT_VIDEO) == 0;
}

}  // namespace

std::unique_ptr<Platform> make_sdl_platform() {
  // The game draws in software, so the screen is just a copy to the window. SDL's software
  // renderer on a plain window surface does that in well under a millisecond for 1024x768;
  // through OpenGL (llvmpipe on machines without a GPU) it took four times as long.
  // An environment variable of the same name still overrides this.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (!init_video()) return nullptr;
  return std::make_unique<SdlPlatform>();
}

SdlPlatform::~SdlPlatform() {
  close_audio();  // first: the callback must never run into a half-destroyed platform
  close_window();
  if (joystick_) SDL_JoystickClose(joystick_);
  SDL_Quit();
}

DesktopInfo SdlPlatform::desktop() {
  DesktopInfo info;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return info;
  info.width = mode.w;
  info.height = mode.h;
  return info;
}

bool SdlPlatform::open_window(int width, int height, const std::string& title) {
  close_window();
  window_ = SDL_CreateWindow(latin1_to_utf8(title).c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(0),
                             SDL_WINDOWPOS_CENTERED_DISPLAY(0), width, height,
                             SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
  return window_ != nullptr;
}

bool SdlPlatform::open_screen(int width, int height) {
  if (!window_) return false;
  close_screen();
  // No SDL_RENDERER_PRESENTVSYNC: the game paces itself and the display may not report a rate.
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ && make_texture(width, height)) return true;
  close_screen();
  return false;
}

bool SdlPlatform::make_texture(int width, int height) {
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  if (!texture_) return false;
  texture_w_ = width;
  texture_h_ = height;
  // The back buffer's alpha byte means nothing: copy, never blend.
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
  return true;
}

void SdlPlatform::present(const Pixel* pixels, int width, int height) {
  if (renderer_ && pixels && width > 0 && height > 0) {
    bool ready = (width == texture_w_ && height == texture_h_) || make_texture(width, height);
    if (ready) {
      SDL_UpdateTexture(texture_, nullptr, pixels, width * int(sizeof(Pixel)));
      SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
      SDL_RenderPresent(renderer_);
    }
  }
  pump_events();
}

void SdlPlatform::close_screen() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  texture_ = nullptr;
  renderer_ = nullptr;
  texture_w_ = texture_h_ = 0;
}

void SdlPlatform::close_window() {
  close_screen();
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
  mouse_captured_ = false;
  capture_failed_ = false;
}

}  // namespace orv::media
