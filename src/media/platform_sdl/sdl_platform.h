// The real platform: an SDL2 window that shows the back buffer on its own surface (see
// sdl_screen.h) or, where the GPU is real hardware or forced, through a renderer (see
// sdl_gpu_screen.h), SDL's keyboard state, an SDL joystick, an SDL audio device and SDL message
// boxes. F11 and Alt+Enter switch the window between its size and fullscreen on the desktop.
// The game paces itself against the monotonic clock; only on the GPU, with a display at 60 Hz,
// does presenting also wait for the display.
//
// SDL wants its events pumped on the thread that created the window. Only that thread (the one
// that made the platform) pumps: present() and read_keys() do it every frame, and wait_event()
// called from any other thread just sleeps for its timeout (a short while for -1) and returns 0.
#pragma once

#include <SDL.h>

#include <atomic>
#include <string>
#include <thread>

#include "media/platform.h"
#include "media/platform_sdl/sdl_audio.h"
#include "media/platform_sdl/sdl_clock.h"
#include "media/platform_sdl/sdl_dialog.h"
#include "media/platform_sdl/sdl_factory.h"
#include "media/platform_sdl/sdl_gpu_screen.h"
#include "media/platform_sdl/sdl_joystick.h"
#include "media/platform_sdl/sdl_screen.h"
#include "media/platform_sdl/sdl_test_pad.h"

namespace orv::media {

class SdlPlatform : public Platform {
 public:
  // SDL_Init(SDL_INIT_VIDEO) must have succeeded.
  explicit SdlPlatform(Presenter presenter = Presenter::kAuto);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  DesktopInfo desktop() override;
  bool open_window(int width, int height, const std::string& title) override;
  bool open_screen(int width, int height) override;
  void present(const Pixel* pixels, int width, int height) override;
  void present_progress(const Pixel* pixels, int width, int height) override;
  // The window surface's memory, on the software path (see sdl_screen.h).
  Pixel* window_memory(int width, int height) override {
    return gpu_.attached() ? nullptr : screen_.window_memory(width, height);
  }
  void set_fullscreen(bool fullscreen) override;
  bool fullscreen() const override { return fullscreen_; }
  void set_scaling(Scaling scaling) override;
  bool take_focus_loss() override { return focus_lost_.exchange(false); }

  void pump_events() override;
  int wait_event(int timeout_ms) override;
  bool close_requested() override { return close_requested_; }

  void capture_mouse() override;
  void move_mouse(int x, int y) override;

  bool open_keyboard() override { return true; }
  void read_keys(KeyStates& keys) override;
  bool open_joystick() override;
  void read_joystick(JoystickState& state) override { joystick_.read(state); }
  void add_pad_mappings(const std::string& file) override { joystick_.add_mappings(file); }

  bool open_audio(AudioCallback callback) override { return audio_.open(std::move(callback)); }

  BoxAnswer message_box(const std::string& title, const std::string& text,
                        BoxButtons buttons) override {
    return show_message_box(window_, title, text, buttons);
  }

  std::int64_t now_ns() override { return sdl_now_ns(); }
  void sleep_ns(std::int64_t ns) override {
    slept_ = true;
    sdl_sleep_ns(ns);
  }
  void sleep_until_ns(std::int64_t deadline_ns) override {
    slept_ = true;
    sdl_sleep_until_ns(deadline_ns);
  }
  LocalTime local_time() override { return local_time_now(); }
  LocalTime utc_time() override { return utc_time_now(); }

  // For tests of this platform.
  SDL_Window* window() const { return window_; }
  SDL_Rect picture_rect() const {
    return gpu_.attached() ? gpu_.picture_rect() : screen_.picture_rect();
  }
  // The GPU's renderer when pictures go through one, else null.
  SDL_Renderer* renderer() const { return gpu_.renderer(); }

 private:
  void handle_event(const SDL_Event& event);
  bool on_event_thread() const { return std::this_thread::get_id() == owner_; }
  void close_window();
  SDL_Window* create_window(const std::string& title, Uint32 flags);
  void choose_presenter();
  void attach_gpu(const std::string& title, Uint32 flags);

  std::thread::id owner_ = std::this_thread::get_id();
  std::atomic<bool> close_requested_ = false;
  std::atomic<bool> focus_lost_ = false;

  bool is_display_switch(const SDL_KeyboardEvent& key) const;
  // A frame of the game, or a progress picture of a level build (never waits for the display).
  enum class Picture { kFrame, kProgress };
  void show(const Pixel* pixels, int width, int height, Picture picture);
  void trace(const char* what);

  SDL_Window* window_ = nullptr;
  SdlScreen screen_;
  SdlGpuScreen gpu_;
  Presenter presenter_ = Presenter::kAuto;
  bool presenter_chosen_ = false;
  bool gpu_announced_ = false;
  std::string gpu_driver_;  // the renderer driver pictures go through, empty for the surface
  bool fullscreen_ = false;
  int window_w_ = 0, window_h_ = 0;  // the window's size outside fullscreen
  std::int64_t last_present_ns_ = 0;
  bool trace_ = false;  // ORV_TRACE_PRESENTS: a stderr line per picture, for timing tools
  bool slept_ = false;  // the game slept since the last picture (in a browser: it yielded)

  void take_mouse();

  bool capture_wanted_ = false;  // the game asked for the pointer: taken whenever focus comes
  bool mouse_captured_ = false;
  bool capture_failed_ = false;  // retried after the window next gains focus

  SdlJoystick joystick_;
  SdlTestPad test_pad_;  // a virtual pad for end-to-end tests, see sdl_test_pad.h
  SdlAudio audio_;
};

}  // namespace orv::media
