// A minimal Platform for graphics tests: a fake clock that moves only when slept on, records of
// presented frames, sleeps and mouse calls, and switches to make the window or screen fail.
#pragma once

#include <cstdint>
#include <vector>

#include "media/platform.h"

namespace orv::media::testing {

class FakePlatform : public Platform {
 public:
  bool window_fails = false;
  bool screen_fails = false;
  std::int64_t clock_ns = 0;
  std::int64_t present_cost_ns = 0;  // fake time each present takes
  std::vector<std::int64_t> sleeps;
  int presents = 0;
  Image last_frame;
  int captures = 0;
  int moves = 0;
  int last_wait_timeout = -2;
  int event_to_return = 0;

  DesktopInfo desktop() override { return {1280, 1024, 32, 75}; }
  bool open_window(int, int, const std::string&) override { return !window_fails; }
  bool open_screen(int, int) override { return !screen_fails; }
  void present(const Pixel* pixels, int width, int height) override {
    ++presents;
    last_frame = Image(width, height);
    last_frame.pixels.assign(pixels, pixels + std::size_t(width) * height);
    clock_ns += present_cost_ns;
  }
  void pump_events() override {}
  int wait_event(int timeout_ms) override {
    last_wait_timeout = timeout_ms;
    return event_to_return;
  }
  bool close_requested() override { return false; }
  void capture_mouse() override { ++captures; }
  void move_mouse(int, int) override { ++moves; }
  bool open_keyboard() override { return true; }
  void read_keys(KeyStates& keys) override { keys.fill(false); }
  bool open_joystick() override { return false; }
  void read_joystick(JoystickState&) override {}
  bool open_audio(AudioCallback) override { return false; }
  BoxAnswer message_box(const std::string&, const std::string&, BoxButtons) override {
    return BoxAnswer::kOk;
  }
  std::int64_t now_ns() override { return clock_ns; }
  void sleep_ns(std::int64_t ns) override {
    sleeps.push_back(ns);
    clock_ns += ns;
  }
  LocalTime local_time() override { return {}; }
};

}  // namespace orv::media::testing
