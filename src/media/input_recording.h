// A platform that passes everything through to another one except the game's input, which it
// records or replays frame by frame (frames are counted by presents).
#pragma once

#include <vector>

#include "media/input_script.h"
#include "media/platform.h"

namespace orv::media {

class InputRecordingPlatform : public Platform {
 public:
  enum class Mode { kRecord, kReplay };
  // Recording: the game sees only the keys a script can name, so that what it saw is what a
  // replay gives it. Replay: the keys come from the events, the real keyboard is ignored.
  // Both hide the joypad: a recorded game is a keyboard game.
  InputRecordingPlatform(Platform& inner, Mode mode, std::vector<KeyEvent> replay = {});

  // The key changes recorded so far.
  const std::vector<KeyEvent>& events() const { return events_; }
  std::int64_t frame() const { return frame_; }

  DesktopInfo desktop() override { return inner_.desktop(); }
  bool open_window(int width, int height, const std::string& title) override {
    return inner_.open_window(width, height, title);
  }
  bool open_screen(int width, int height) override { return inner_.open_screen(width, height); }
  void present(const Pixel* pixels, int width, int height) override;
  Pixel* window_memory(int width, int height) override {
    return inner_.window_memory(width, height);
  }
  void set_fullscreen(bool fullscreen) override { inner_.set_fullscreen(fullscreen); }
  bool fullscreen() const override { return inner_.fullscreen(); }
  void set_scaling(Scaling scaling) override { inner_.set_scaling(scaling); }
  // A recorded game never pauses on a focus loss: the recording could not replay it.
  bool take_focus_loss() override { return false; }
  void pump_events() override { inner_.pump_events(); }
  int wait_event(int timeout_ms) override { return inner_.wait_event(timeout_ms); }
  bool close_requested() override { return inner_.close_requested(); }
  void capture_mouse() override { inner_.capture_mouse(); }
  void move_mouse(int x, int y) override { inner_.move_mouse(x, y); }
  bool open_keyboard() override { return inner_.open_keyboard(); }
  void read_keys(KeyStates& keys) override;
  bool open_joystick() override { return false; }
  void read_joystick(JoystickState& state) override { state = {}; }
  bool open_audio(AudioCallback callback) override { return inner_.open_audio(callback); }
  void sound_started(SoundId sound, bool loop) override { inner_.sound_started(sound, loop); }
  BoxAnswer message_box(const std::string& title, const std::string& text,
                        BoxButtons buttons) override {
    return inner_.message_box(title, text, buttons);
  }
  std::int64_t now_ns() override { return inner_.now_ns(); }
  void sleep_ns(std::int64_t ns) override { inner_.sleep_ns(ns); }
  LocalTime local_time() override { return inner_.local_time(); }
  LocalTime utc_time() override { return inner_.utc_time(); }

 private:
  void record(KeyStates& keys);
  void replay(KeyStates& keys);

  Platform& inner_;
  Mode mode_;
  std::vector<KeyEvent> events_;
  std::size_t next_replayed_ = 0;
  KeyStates held_{};
  std::int64_t frame_ = 0;
  std::int64_t last_read_frame_ = -1;
};

}  // namespace orv::media
