// A platform without window, audio device or real time, for tests and tools. Key and joypad
// states are scripted per frame (a frame ends at each present()), the clock is virtual and only
// moves when the game sleeps or waits, message box answers are scripted, and every presented
// frame and every sound start can be inspected. Progress pictures are presented (and counted as
// frames) like any other; they never wait, so the clock stands still meanwhile.
#pragma once

#include <deque>
#include <map>
#include <utility>
#include <vector>

#include "media/platform.h"

namespace orv::media {

class HeadlessPlatform : public Platform {
 public:
  struct SoundStart {
    SoundId sound;
    bool loop;
    std::int64_t frame;
  };

  HeadlessPlatform();

  // --- scripting ---
  void set_desktop(DesktopInfo info) { desktop_ = info; }
  // Keys held from the given frame on (frames are counted by present()).
  void hold_key(int key, std::int64_t from_frame = -1);
  void release_key(int key, std::int64_t from_frame = -1);
  // Shortcut: the key is down during frames [from, from + frames).
  void tap_key(int key, std::int64_t from_frame, int frames = 1);
  // Forgets the key changes that can no longer matter: each key keeps only the change in force
  // now and those still to come, so a long scripted run (a bot) keeps a short script.
  void forget_past_key_changes();
  // A pad connected (or disconnected) from the given frame on; its state comes from
  // set_joystick_state while it is connected.
  void set_joystick(bool present, std::int64_t from_frame = -1);
  void set_joystick_state(const JoystickState& s, std::int64_t from_frame = -1);
  // When no answer is queued, OK boxes answer kOk and Yes/No boxes kNo.
  void queue_box_answer(BoxAnswer answer) { answers_.push_back(answer); }
  void request_close() { close_ = true; }
  // false: presented frames are counted but not kept (last_presented stays empty), which
  // spares a copy of every frame when nobody looks at them.
  void keep_presented(bool keep) { keep_presented_ = keep; }
  // The local time is fixed until set again; the clock only moves with sleep_ns and wait_event.
  void set_local_time(const LocalTime& t) { time_ = t; }
  void set_utc_time(const LocalTime& t) { utc_ = t; }
  void set_audio_available(bool available) { audio_available_ = available; }
  // The window loses the keyboard focus, as when the player clicks another window.
  void lose_focus() { focus_lost_ = true; }
  Scaling scaling() const { return scaling_; }
  // Makes open_window or open_screen fail, as on a machine without a usable display.
  void set_window_available(bool available) { window_available_ = available; }
  void set_screen_available(bool available) { screen_available_ = available; }
  // Raises the signal (SIGSEGV, SIGFPE, ...) once, on the presenting thread, as the given frame
  // is presented: a fault inside whatever the game was showing then.
  void fault_at_frame(std::int64_t frame, int signal) {
    fault_frame_ = frame;
    fault_signal_ = signal;
  }

  // Hands out memory of its own as a window's (window_memory), as the SDL platform does where
  // the window shows the picture unscaled: presenting it copies nothing, presenting other
  // pixels copies them into it (counted by copies()). Off by default.
  void hand_out_window_memory(bool on) { hand_out_ = on; }
  // The window's memory is replaced, as by a resize: no longer handed out, and overwritten and
  // freed at the next present of other pixels.
  void replace_window_memory() { replaced_ = true; }

  // --- inspection ---
  // Presents that copied their picture into the handed-out window memory.
  std::int64_t copies() const { return copies_; }
  std::int64_t frame() const { return frame_; }
  const Image& last_presented() const { return presented_; }
  const std::vector<SoundStart>& sound_starts() const { return sound_starts_; }
  struct Box {
    std::string title, text;
    BoxButtons buttons;
  };
  const std::vector<Box>& boxes() const { return boxes_; }
  bool window_open() const { return window_open_; }
  bool fullscreen() const override { return fullscreen_; }
  // Renders audio as the device would (only when open_audio succeeded).
  void render_audio(std::int16_t* samples, int frames);

  // --- Platform ---
  DesktopInfo desktop() override { return desktop_; }
  bool open_window(int width, int height, const std::string& title) override;
  bool open_screen(int width, int height) override;
  void present(const Pixel* pixels, int width, int height) override;
  Pixel* window_memory(int width, int height) override;
  void set_fullscreen(bool fullscreen) override { fullscreen_ = fullscreen; }
  void set_scaling(Scaling scaling) override { scaling_ = scaling; }
  bool take_focus_loss() override { return std::exchange(focus_lost_, false); }
  void pump_events() override {}
  // No events ever arrive: a positive timeout advances the clock by that much, -1 returns at
  // once (after yielding the core for a millisecond of real time).
  int wait_event(int timeout_ms) override;
  bool close_requested() override { return close_; }
  void capture_mouse() override {}
  void move_mouse(int, int) override {}
  bool open_keyboard() override { return true; }
  void read_keys(KeyStates& keys) override;
  bool open_joystick() override;
  void read_joystick(JoystickState& state) override;
  bool open_audio(AudioCallback callback) override;
  void sound_started(SoundId sound, bool loop) override;
  BoxAnswer message_box(const std::string& title, const std::string& text,
                        BoxButtons buttons) override;
  std::int64_t now_ns() override { return clock_ns_; }
  void sleep_ns(std::int64_t ns) override;
  LocalTime local_time() override { return time_; }
  LocalTime utc_time() override { return utc_; }

 private:
  std::int64_t resolve_frame(std::int64_t from_frame) const;

  DesktopInfo desktop_{1024, 768};
  std::int64_t frame_ = 0;
  std::int64_t clock_ns_ = 0;
  // key -> (from_frame, down) changes, sorted by frame; for equal frames the later call wins
  std::map<int, std::vector<std::pair<std::int64_t, bool>>> key_script_;
  std::vector<std::pair<std::int64_t, JoystickState>> pad_script_;
  std::vector<std::pair<std::int64_t, bool>> pad_presence_;
  std::deque<BoxAnswer> answers_;
  std::vector<Box> boxes_;
  bool close_ = false;
  LocalTime time_{2026, 12, 5, 14, 3, 9};
  LocalTime utc_{2026, 12, 5, 13, 3, 9};
  bool audio_available_ = true;
  AudioCallback audio_;
  Image presented_;
  std::vector<SoundStart> sound_starts_;
  std::int64_t fault_frame_ = -1;
  int fault_signal_ = 0;
  bool keep_presented_ = true;
  bool window_available_ = true;
  bool screen_available_ = true;
  bool window_open_ = false;
  bool fullscreen_ = false;
  bool focus_lost_ = false;
  Scaling scaling_ = Scaling::kSmooth;
  bool hand_out_ = false;
  bool replaced_ = false;
  std::vector<Pixel> window_;  // the memory handed out, of window_w_ x window_h_
  int window_w_ = 0, window_h_ = 0;
  std::int64_t copies_ = 0;
  void show_in_window(const Pixel* pixels, int width, int height);
};

}  // namespace orv::media
