// A bare platform for the input and system tests: key and joypad states are set directly,
// message box answers are queued, boxes and sleeps are recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "media/platform.h"

namespace orv::media::testing {

class InputFakePlatform : public Platform {
 public:
  KeyStates keys{};
  bool keyboard_present = true;
  bool joystick_present = false;
  JoystickState pad{};
  std::deque<BoxAnswer> answers;
  std::vector<BoxButtons> boxes;
  std::vector<std::int64_t> sleeps;

  DesktopInfo desktop() override { return {}; }
  bool open_window(int, int, const std::string&) override { return true; }
  bool open_screen(int, int) override { return true; }
  void present(const Pixel*, int, int) override {}
  void pump_events() override {}
  int wait_event(int) override { return 0; }
  bool close_requested() override { return close; }
  bool close = false;
  void capture_mouse() override {}
  void move_mouse(int, int) override {}
  bool open_keyboard() override { return keyboard_present; }
  void read_keys(KeyStates& out) override { out = keys; }
  bool open_joystick() override { return joystick_present; }
  void read_joystick(JoystickState& out) override { out = pad; }
  bool open_audio(AudioCallback) override { return false; }
  BoxAnswer message_box(const std::string&, const std::string&, BoxButtons buttons) override {
    boxes.push_back(buttons);
    BoxAnswer answer = answers.empty() ? BoxAnswer::kOk : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::int64_t now_ns() override { return 0; }
  void sleep_ns(std::int64_t ns) override { sleeps.push_back(ns); }
  LocalTime local_time() override { return {}; }
};

}  // namespace orv::media::testing
