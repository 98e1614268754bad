// The real platform: an SDL2 window with a streaming texture for the back buffer, SDL's keyboard
// state, an SDL joystick, an SDL audio device and SDL message boxes.
//
// SDL wants its events pumped on the thread that created the window. Only that thread (the one
// that made the platform) pumps: present() and read_keys() do it every frame, and wait_event()
// called from any other thread just sleeps for its timeout (a short while for -1) and returns 0.
#pragma once

#include <SDL.h>

#include <atomic>
#include <thread>

#include "media/platform.h"
#include "media/platform_sdl/sdl_audio.h"
#include "media/platform_sdl/sdl_clock.h"
#include "media/platform_sdl/sdl_dialog.h"
#include "media/platform_sdl/sdl_joystick.h"

namespace orv::media {

class SdlPlatform : public Platform {
 public:
  SdlPlatform() = default;  // SDL_Init(SDL_INIT_VIDEO) must have succeeded
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  DesktopInfo desktop() override;
  bool open_window(int width, int height, const std::string& title) override;
  bool open_screen(int width, int height) override;
  void present(const Pixel* pixels, int width, int height) override;

  void pump_events() override;
  int wait_event(int timeout_ms) override;
  bool close_requested() override { return close_requested_; }

  void capture_mouse() override;
  void move_mouse(int x, int y) override;

  bool open_keyboard() override { return true; }
  void read_keys(KeyStates& keys) override;
  bool open_joystick() override { return joystick_.open(); }
  void read_joystick(JoystickState& state) override { joystick_.read(state); }
  void add_pad_mappings(const std::string& file) override { joystick_.add_mappings(file); }

  bool open_audio(AudioCallback callback) override { return audio_.open(std::move(callback)); }

  BoxAnswer message_box(const std::string& title, const std::string& text,
                        BoxButtons buttons) override {
    return show_message_box(window_, title, text, buttons);
  }

  std::int64_t now_ns() override { return sdl_now_ns(); }
  void sleep_ns(std::int64_t ns) override { sdl_sleep_ns(ns); }
  LocalTime local_time() override { return local_time_now(); }

  // For tests of this platform.
  SDL_Window* window() const { return window_; }
  SDL_Renderer* renderer() const { return renderer_; }

 private:
  void handle_event(const SDL_Event& event);
  bool on_event_thread() const { return std::this_thread::get_id() == owner_; }
  bool make_texture(int width, int height);
  void close_screen();
  void close_window();

  std::thread::id owner_ = std::this_thread::get_id();
  std::atomic<bool> close_requested_ = false;

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int texture_w_ = 0, texture_h_ = 0;

  void take_mouse();

  bool capture_wanted_ = false;  // the game asked for the pointer: taken whenever focus comes
  bool mouse_captured_ = false;
  bool capture_failed_ = false;  // retried after the window next gains focus

  SdlJoystick joystick_;
  SdlAudio audio_;
};

}  // namespace orv::media
