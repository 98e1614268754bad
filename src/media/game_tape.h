// A platform that passes everything through to another one and keeps the input of the game
// being played, frame by frame from the game's start (frames are counted by presents). It can
// also play a kept input back instead of the live one, and hand the game to the player at any
// frame. A player watching a replay pauses it with P, plays it four times faster while holding
// Right or Page Down, and takes over a paused replay with Space.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "media/input_script.h"
#include "media/platform.h"

namespace orv::media {

struct PadEvent {
  std::int64_t frame = 0;
  JoystickState state;
};

// One game's input. Frame 0 holds what was already down when the game started.
struct GameInput {
  std::vector<KeyEvent> keys;
  std::vector<PadEvent> pad;
};

class TapePlatform : public Platform {
 public:
  explicit TapePlatform(Platform& inner) : inner_(inner) {}

  // A game starts at this frame: its input is kept from here on, what is held now first.
  void start_game();
  // Frames presented since start_game.
  std::int64_t game_frame() const { return frame_ - origin_; }
  // What the game has seen of the input since start_game (up to a million changes of keys and
  // as many of the pad).
  const GameInput& kept() const { return kept_; }

  // From this frame on the game sees input instead of the live keys and pad (its frame 0 is
  // now); the live input is watched (live_input_seen) and, with watch controls, steers the
  // replay.
  void play(GameInput input, bool watch_controls);
  // As play, with input made frame by frame instead of kept (a bot at the keys): from this
  // frame on the game sees the keys steer gives when it first reads them in a frame.
  using Steer = std::function<KeyStates()>;
  void play_steered(Steer steer);
  // Marks the darkened picture a paused replay shows (the game writes PAUSED on it).
  using PausedMark = std::function<void(std::vector<Pixel>& picture, int width, int height)>;
  void mark_paused(PausedMark mark) { mark_paused_ = std::move(mark); }
  // Back to the live input from this frame on.
  void take_over();
  bool playing() const { return playing_; }
  bool taken_over() const { return taken_over_; }
  bool paused() const { return paused_; }
  // The frame of the last played event has passed.
  bool played_out() const;
  // A key or pad button went down (or a stick moved) while input was played.
  bool live_input_seen() const { return live_seen_; }

  DesktopInfo desktop() override { return inner_.desktop(); }
  bool open_window(int width, int height, const std::string& title) override {
    return inner_.open_window(width, height, title);
  }
  bool open_screen(int width, int height) override { return inner_.open_screen(width, height); }
  void present(const Pixel* pixels, int width, int height) override;
  // Not while a tape plays: a paused replay shows pictures of its own, which land in the
  // window's memory.
  Pixel* window_memory(int width, int height) override {
    return playing_ ? nullptr : inner_.window_memory(width, height);
  }
  // A progress picture counts as a frame, as it does on every platform.
  void present_progress(const Pixel* pixels, int width, int height) override;
  void set_fullscreen(bool fullscreen) override { inner_.set_fullscreen(fullscreen); }
  bool fullscreen() const override { return inner_.fullscreen(); }
  void set_scaling(Scaling scaling) override { inner_.set_scaling(scaling); }
  // Played input never pauses on a focus loss: the game it came from did not either.
  bool take_focus_loss() override { return !playing_ && inner_.take_focus_loss(); }
  void pump_events() override { inner_.pump_events(); }
  int wait_event(int timeout_ms) override { return inner_.wait_event(timeout_ms); }
  bool close_requested() override { return inner_.close_requested(); }
  void capture_mouse() override { inner_.capture_mouse(); }
  void move_mouse(int x, int y) override { inner_.move_mouse(x, y); }
  bool open_keyboard() override { return inner_.open_keyboard(); }
  void read_keys(KeyStates& keys) override;
  // Played input has a pad only when the recording has one.
  bool open_joystick() override { return inner_.open_joystick() && !playing_; }
  void read_joystick(JoystickState& state) override;
  void add_pad_mappings(const std::string& file) override { inner_.add_pad_mappings(file); }
  bool open_audio(AudioCallback callback) override { return inner_.open_audio(callback); }
  void sound_started(SoundId sound, bool loop) override { inner_.sound_started(sound, loop); }
  BoxAnswer message_box(const std::string& title, const std::string& text,
                        BoxButtons buttons) override {
    return inner_.message_box(title, text, buttons);
  }
  std::int64_t now_ns() override { return inner_.now_ns() + clock_offset_ns_; }
  void sleep_ns(std::int64_t ns) override;
  void sleep_until_ns(std::int64_t deadline_ns) override { sleep_ns(deadline_ns - now_ns()); }
  LocalTime local_time() override { return inner_.local_time(); }

 private:
  void after_frame(const Pixel* pixels, int width, int height);
  void watch_live_input();
  void stay_paused(const Pixel* pixels, int width, int height);
  KeyStates played_keys();
  JoystickState played_pad();

  Platform& inner_;
  std::int64_t frame_ = 0;
  std::int64_t origin_ = 0;
  std::int64_t play_origin_ = 0;  // the frame played input starts at
  GameInput kept_;
  KeyStates held_{};
  JoystickState pad_{};
  std::int64_t keys_read_frame_ = -1;
  std::int64_t pad_read_frame_ = -1;

  bool playing_ = false;
  bool taken_over_ = false;
  bool watch_controls_ = false;
  GameInput played_;
  Steer steer_;
  PausedMark mark_paused_;
  std::size_t next_key_ = 0;
  std::size_t next_pad_ = 0;
  bool live_seen_ = false;
  KeyStates live_before_{};
  bool paused_ = false;
  bool space_held_back_ = false;  // the Space of a take-over, until it is let go
  bool fast_ = false;
  std::int64_t clock_offset_ns_ = 0;
};

}  // namespace orv::media
