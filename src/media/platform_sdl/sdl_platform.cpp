// The SDL platform: window, screen, events and mouse; audio, joystick, dialogs and the clock
// are parts of their own.
#include "media/platform_sdl/sdl_platform.h"

#include <chrono>
#include <cstdio>

#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_keys.h"
#include "media/platform_sdl/sdl_renderer_choice.h"
#include "media/platform_sdl/sdl_web.h"

namespace orv::media {

namespace {

#ifdef __EMSCRIPTEN__
// In a browser the canvas keeps the picture's size and the page scales it; fullscreen is the
// page's.
constexpr Uint32 kWindowFlags = SDL_WINDOW_SHOWN;
constexpr bool kWebPage = true;
#else
constexpr Uint32 kWindowFlags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN;
constexpr bool kWebPage = false;
#endif

// How long wait_event(-1) sleeps on a thread that may not pump before it returns 0.
constexpr int kForeignWaitMs = 50;

}  // namespace

SdlPlatform::SdlPlatform(Presenter presenter)
    : presenter_(presenter), trace_(SDL_getenv("ORV_TRACE_PRESENTS") != nullptr) {}

SdlPlatform::~SdlPlatform() {
  audio_.close();  // first: the callback must never run into a half-destroyed platform
  close_window();
  test_pad_.detach();  // before the joystick subsystem goes
  joystick_.close();
  SDL_Quit();
}

// In a browser the page scales the canvas, so it is told too.
void SdlPlatform::set_scaling(Scaling scaling) {
  screen_.set_scaling(scaling);
  gpu_.set_scaling(scaling);
  if (kWebPage) web_scaling(scaling == Scaling::kSharp);
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
  if (!presenter_chosen_) choose_presenter();
  const Uint32 mode = fullscreen_ && !kWebPage ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
  window_w_ = width;
  window_h_ = height;
  window_ = create_window(title, kWindowFlags | mode);
  if (window_ && !gpu_driver_.empty()) attach_gpu(title, kWindowFlags | mode);
  return window_ != nullptr;
}

SDL_Window* SdlPlatform::create_window(const std::string& title, Uint32 flags) {
  if (!gpu_driver_.empty()) flags |= SDL_WINDOW_OPENGL;
  return SDL_CreateWindow(latin1_to_utf8(title).c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(0),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(0), window_w_, window_h_, flags);
}

// Once, before the first window: stderr names the way pictures will reach the screen.
void SdlPlatform::choose_presenter() {
  presenter_chosen_ = true;
  gpu_driver_ = choose_renderer_driver(presenter_);
  if (presenter_ == Presenter::kGpu && gpu_driver_.empty())
    std::fprintf(stderr, "renderer: SDL offers no GL renderer here; software instead\n");
  if (gpu_driver_.empty()) std::fprintf(stderr, "renderer: software\n");
}

// A window whose renderer cannot be made is made again without GL, shown by the CPU from
// then on.
void SdlPlatform::attach_gpu(const std::string& title, Uint32 flags) {
  if (gpu_.attach(window_, gpu_driver_, display_at_60_hz())) {
    if (!gpu_announced_) {
      std::fprintf(stderr, "renderer: gpu (%s%s)\n", gpu_driver_.c_str(),
                   software_rasterised() ? ", rasterised in software" : "");
    }
    gpu_announced_ = true;
    return;
  }
  std::fprintf(stderr, "renderer: the %s renderer could not be made (%s); software instead\n",
               gpu_driver_.c_str(), SDL_GetError());
  if (!gpu_announced_) std::fprintf(stderr, "renderer: software\n");
  gpu_announced_ = true;
  gpu_driver_.clear();
  SDL_DestroyWindow(window_);
  window_ = create_window(title, flags);
}

// The picture's size comes with every present; the screen is the window's renderer or its
// own surface.
bool SdlPlatform::open_screen(int width, int height) {
  if (!window_ || width <= 0 || height <= 0) return false;
  return gpu_.attached() || screen_.attach(window_);
}

void SdlPlatform::present(const Pixel* pixels, int width, int height) {
  test_pad_.next_frame();
  show(pixels, width, height, Picture::kFrame);
}

// At most one progress picture per display frame: a level build shows its bar hundreds of
// times a second and must not spend its time copying them to the display.
void SdlPlatform::present_progress(const Pixel* pixels, int width, int height) {
  constexpr std::int64_t kDisplayFrameNs = 16'666'667;
  if (now_ns() - last_present_ns_ >= kDisplayFrameNs) {
    show(pixels, width, height, Picture::kProgress);
  } else {
    trace("progress-left-out");
  }
}

// In a browser the page only shows the picture, and only takes input, once the game yields:
// a frame that slept since the last picture has yielded already, any other yields here.
void SdlPlatform::show(const Pixel* pixels, int width, int height, Picture picture) {
  if (kWebPage && !slept_) web_yield();
  slept_ = false;
  if (gpu_.attached()) {
    gpu_.present(pixels, width, height, picture == Picture::kFrame);
  } else {
    screen_.present(pixels, width, height);
  }
  last_present_ns_ = now_ns();
  trace(picture == Picture::kFrame ? "frame" : "progress");
  pump_events();
}

// "present <monotonic ns> <what>": when each picture was shown, or a progress step left out.
void SdlPlatform::trace(const char* what) {
  if (trace_) std::fprintf(stderr, "present %lld %s\n", static_cast<long long>(now_ns()), what);
}

// Back from fullscreen the window gets its own size and place again; without a window manager
// X leaves it as large as the desktop.
void SdlPlatform::set_fullscreen(bool fullscreen) {
  fullscreen_ = fullscreen;
  screen_.surface_may_change();
  if (kWebPage) return web_fullscreen(fullscreen);
  if (!window_) return;
  SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (fullscreen) return;
  SDL_SetWindowSize(window_, window_w_, window_h_);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(0),
                        SDL_WINDOWPOS_CENTERED_DISPLAY(0));
}

void SdlPlatform::close_window() {
  screen_.detach();
  gpu_.detach();
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
  mouse_captured_ = false;
  capture_failed_ = false;
}

// The test pad, when a test asks for one, is attached once the joystick subsystem is up.
bool SdlPlatform::open_joystick() {
  joystick_.open();
  test_pad_.attach();
  return joystick_.open();
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
  } else if (event.type == SDL_KEYDOWN && is_display_switch(event.key)) {
    set_fullscreen(!fullscreen_);
  } else if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) close_requested_ = true;
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) focus_lost_ = true;
    if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) screen_.surface_may_change();
    // The screens after the first capture request take no new one: the pointer is taken
    // whenever the game window gains the focus, on whatever screen that happens.
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && window_ &&
        event.window.windowID == SDL_GetWindowID(window_)) {
      capture_failed_ = false;
      if (capture_wanted_) take_mouse();
    }
  }
}

// F11 or Alt+Enter pressed in the game window; a held key's repeats switch nothing.
bool SdlPlatform::is_display_switch(const SDL_KeyboardEvent& key) const {
  if (key.repeat || !window_ || key.windowID != SDL_GetWindowID(window_)) return false;
  const SDL_Scancode code = key.keysym.scancode;
  return code == SDL_SCANCODE_F11 || (code == SDL_SCANCODE_RETURN && (key.keysym.mod & KMOD_ALT));
}

void SdlPlatform::capture_mouse() {
  capture_wanted_ = true;
  take_mouse();
}

// A page keeps the pointer: a browser locks it only after a click and shows a banner about
// it, and the game steers by keys and pads alone.
void SdlPlatform::take_mouse() {
  if (kWebPage || !window_ || mouse_captured_ || capture_failed_) return;
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
