#include <chrono>

#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {

namespace {

// How long wait_event(-1) sleeps on a thread that may not pump before it returns 0.
constexpr int kForeignWaitMs = 50;

}  // namespace

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

}  // namespace orv::media
