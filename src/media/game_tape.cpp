// Keeping, playing and watching one game's input.
#include "media/game_tape.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "media/keys.h"

namespace orv::media {
namespace {

// Fast replay shows one frame in this many and sleeps that much less.
constexpr int kFastFactor = 4;
constexpr std::int64_t kPausedFrameNs = 16'000'000;
// A game's input beyond this many changes is not kept (a game lasts minutes, not days).
constexpr std::size_t kMostKept = 1'000'000;

bool same_pad(const JoystickState& a, const JoystickState& b) {
  return a.connected == b.connected && a.axis_x == b.axis_x && a.axis_y == b.axis_y &&
         a.buttons == b.buttons;
}

bool pad_moved(const JoystickState& pad) {
  constexpr int kDeadZone = 500;
  if (std::abs(pad.axis_x) > kDeadZone || std::abs(pad.axis_y) > kDeadZone) return true;
  return std::any_of(pad.buttons.begin(), pad.buttons.end(), [](bool b) { return b; });
}

// A paused picture is shown darker, so the player sees the replay stands still.
std::vector<Pixel> dimmed(const Pixel* pixels, int width, int height) {
  std::vector<Pixel> out(pixels, pixels + std::size_t(width) * std::size_t(height));
  for (Pixel& p : out) p = (p >> 1) & 0x7F7F7F7Fu;
  return out;
}

}  // namespace

void TapePlatform::start_game() {
  origin_ = frame_;
  kept_ = {};
  for (int key = 0; key < key::kCount; ++key)
    if (held_[key]) kept_.keys.push_back({0, key, true});
  if (pad_.connected) kept_.pad.push_back({0, pad_});
}

void TapePlatform::play(GameInput input, bool watch_controls) {
  played_ = std::move(input);
  steer_ = nullptr;
  play_origin_ = frame_;
  next_key_ = 0;
  next_pad_ = 0;
  playing_ = true;
  taken_over_ = false;
  watch_controls_ = watch_controls;
  live_seen_ = false;
  inner_.read_keys(live_before_);
  keys_read_frame_ = -1;
  pad_read_frame_ = -1;
}

void TapePlatform::play_steered(Steer steer) {
  play({}, false);
  steer_ = std::move(steer);
}

void TapePlatform::take_over() {
  playing_ = false;
  steer_ = nullptr;
  paused_ = false;
  fast_ = false;
  taken_over_ = true;
}

bool TapePlatform::played_out() const {
  std::int64_t last = 0;
  if (!played_.keys.empty()) last = played_.keys.back().frame;
  if (!played_.pad.empty()) last = std::max(last, played_.pad.back().frame);
  return frame_ - play_origin_ > last;
}

void TapePlatform::present(const Pixel* pixels, int width, int height) {
  const bool shown = !fast_ || frame_ % kFastFactor == 0;
  if (shown) inner_.present(pixels, width, height);
  after_frame(pixels, width, height);
}

void TapePlatform::present_progress(const Pixel* pixels, int width, int height) {
  inner_.present_progress(pixels, width, height);
  after_frame(pixels, width, height);
}

void TapePlatform::after_frame(const Pixel* pixels, int width, int height) {
  ++frame_;
  if (!playing_) return;
  watch_live_input();
  if (paused_) stay_paused(pixels, width, height);
}

// The live keys end a demo; with watch controls they steer the replay: P pauses, Right or
// Page Down held plays fast.
void TapePlatform::watch_live_input() {
  KeyStates live{};
  inner_.read_keys(live);
  JoystickState pad{};
  inner_.read_joystick(pad);
  for (int key = 0; key < key::kCount; ++key)
    if (live[key] && !live_before_[key]) live_seen_ = true;
  if (pad_moved(pad)) live_seen_ = true;
  if (watch_controls_) {
    if (live[key::kP] && !live_before_[key::kP]) paused_ = !paused_;
    fast_ = live[key::kRight] || live[key::kPageDown];
  }
  live_before_ = live;
}

// The frame stays on the screen, darkened, until P goes on or Space takes the game over. The
// time spent here does not count for the game's frame schedule.
void TapePlatform::stay_paused(const Pixel* pixels, int width, int height) {
  std::vector<Pixel> picture = dimmed(pixels, width, height);
  if (mark_paused_) mark_paused_(picture, width, height);
  const std::int64_t paused_at = inner_.now_ns();
  fast_ = false;
  while (paused_ && !inner_.close_requested()) {
    inner_.present(picture.data(), width, height);
    inner_.pump_events();
    KeyStates live{};
    inner_.read_keys(live);
    if (live[key::kSpace] && !live_before_[key::kSpace]) {
      take_over();
      // The Space that took over is no bomb: the game sees it once it is let go and pressed.
      space_held_back_ = true;
      live_before_ = live;
      break;
    }
    if (live[key::kP] && !live_before_[key::kP]) paused_ = false;
    live_before_ = live;
    inner_.sleep_ns(kPausedFrameNs);
  }
  clock_offset_ns_ -= inner_.now_ns() - paused_at;
}

KeyStates TapePlatform::played_keys() {
  if (steer_) return steer_();
  KeyStates keys = held_;
  while (next_key_ < played_.keys.size() &&
         played_.keys[next_key_].frame <= frame_ - play_origin_) {
    const KeyEvent& e = played_.keys[next_key_++];
    if (e.key >= 0 && e.key < key::kCount) keys[e.key] = e.down;
  }
  return keys;
}

JoystickState TapePlatform::played_pad() {
  JoystickState pad = pad_;
  while (next_pad_ < played_.pad.size() && played_.pad[next_pad_].frame <= frame_ - play_origin_)
    pad = played_.pad[next_pad_++].state;
  return pad;
}

// The input is read once a frame: every snapshot the game takes within one frame sees the same,
// live or played.
void TapePlatform::read_keys(KeyStates& keys) {
  if (keys_read_frame_ != frame_) {
    keys_read_frame_ = frame_;
    KeyStates fresh{};
    if (playing_)
      fresh = played_keys();
    else
      inner_.read_keys(fresh);
    if (space_held_back_ && fresh[key::kSpace])
      fresh[key::kSpace] = false;
    else
      space_held_back_ = false;
    for (int key = 0; key < key::kCount; ++key)
      if (fresh[key] != held_[key] && kept_.keys.size() < kMostKept)
        kept_.keys.push_back({game_frame(), key, fresh[key]});
    held_ = fresh;
  }
  keys = held_;
}

void TapePlatform::read_joystick(JoystickState& state) {
  if (pad_read_frame_ != frame_) {
    pad_read_frame_ = frame_;
    JoystickState fresh{};
    if (playing_)
      fresh = played_pad();
    else
      inner_.read_joystick(fresh);
    if (!same_pad(fresh, pad_) && kept_.pad.size() < kMostKept)
      kept_.pad.push_back({game_frame(), fresh});
    pad_ = fresh;
  }
  state = pad_;
}

void TapePlatform::sleep_ns(std::int64_t ns) {
  if (ns <= 0) return;
  if (!fast_) return inner_.sleep_ns(ns);
  inner_.sleep_ns(ns / kFastFactor);
  clock_offset_ns_ += ns - ns / kFastFactor;
}

}  // namespace orv::media
