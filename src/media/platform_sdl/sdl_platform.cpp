// The SDL platform: window, screen, events and mouse; audio, joystick, dialogs and the clock
// are parts of their own.
#include "media/platform_sdl/sdl_platform.h"

#include <chrono>

#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_keys.h"

namespace orv::media {

namespace {

// How long wait_event(-1) sleeps on a thread that may not pump before it returns 0.
constexpr int kForeignWaitMs = 50;

}  // namespace

SdlPlatform::~SdlPlatform() {
  audio_.close();  // first: the callback must never run into a half-destroyed platform
  close_window();
  joystick_.close();
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

void SdlPlatform::pump_events() {
  if (!on_event_thread()) return;
  SDL_PumpEvents();
  SDL_Event events[32];
  int count;
  while ((count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
    for (int i = 0; i < count; ++i) handle_event(events[i]);
  }
}

int SdlPlatform::wait_event(int timeout_ms) {
  if (!on_event_thread()) {
    int ms = timeout_ms < 0 ? kForeignWaitMs : timeout_ms;
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return 0;
  }
  SDL_Event event;
  if (!SDL_WaitEventTimeout(&event, timeout_ms < 0 ? -1 : timeout_ms)) return 0;
  handle_event(event);
  return int(event.type);
}

void SdlPlatform::handle_event(const SDL_Event& event) {
  if (event.type == SDL_QUIT) {
    close_requested_ = true;
  } else if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) close_requested_ = true;
    // The screens after the first capture request take no new one: the pointer is taken
    // whenever the game window gains the focus, on whatever screen that happens.
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && window_ &&
        event.window.windowID == SDL_GetWindowID(window_)) {
      capture_failed_ = false;
      if (capture_wanted_) take_mouse();
    }
  }
}

void SdlPlatform::capture_mouse() {
  capture_wanted_ = true;
  take_mouse();
}

void SdlPlatform::take_mouse() {
  if (!window_ || mouse_captured_ || capture_failed_) return;
  // A grab without focus can stall for seconds under X11; wait until the window has the focus.
  if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS)) return;
  if (SDL_SetRelativeMouseMode(SDL_TRUE) == 0) {
    mouse_captured_ = true;
  } else {
    capture_failed_ = true;
  }
}

void SdlPlatform::move_mouse(int x, int y) {
  if (window_) SDL_WarpMouseInWindow(window_, x, y);
}

void SdlPlatform::read_keys(KeyStates& keys) {
  pump_events();
  read_key_states(keys);
}

}  // namespace orv::media
