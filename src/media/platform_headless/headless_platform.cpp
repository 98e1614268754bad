#include "media/platform_headless/headless_platform.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

namespace orv::media {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

// Inserts a change behind every change of the same or an earlier frame, so that for equal
// frames the later call wins.
template <typename T>
void insert_change(std::vector<std::pair<std::int64_t, T>>& changes, std::int64_t frame,
                   const T& value) {
  auto at = std::upper_bound(changes.begin(), changes.end(), frame,
                             [](std::int64_t f, const auto& change) { return f < change.first; });
  changes.insert(at, {frame, value});
}

// The change in force at the given frame, or nullptr before the first one.
template <typename T>
const T* change_at(const std::vector<std::pair<std::int64_t, T>>& changes, std::int64_t frame) {
  const T* current = nullptr;
  for (const auto& [from, value] : changes) {
    if (from > frame) break;
    current = &value;
  }
  return current;
}

bool valid_key(int key) {
  return key >= 0 && key < key::kCount;
}

}  // namespace

HeadlessPlatform::HeadlessPlatform() = default;

std::int64_t HeadlessPlatform::resolve_frame(std::int64_t from_frame) const {
  return from_frame < 0 ? frame_ : from_frame;
}

void HeadlessPlatform::hold_key(int key, std::int64_t from_frame) {
  if (valid_key(key)) insert_change(key_script_[key], resolve_frame(from_frame), true);
}

void HeadlessPlatform::release_key(int key, std::int64_t from_frame) {
  if (valid_key(key)) insert_change(key_script_[key], resolve_frame(from_frame), false);
}

void HeadlessPlatform::tap_key(int key, std::int64_t from_frame, int frames) {
  std::int64_t from = resolve_frame(from_frame);
  hold_key(key, from);
  release_key(key, from + std::max(frames, 1));
}

void HeadlessPlatform::forget_past_key_changes() {
  for (auto& [key, changes] : key_script_) {
    auto future =
        std::upper_bound(changes.begin(), changes.end(), frame_,
                         [](std::int64_t f, const auto& change) { return f < change.first; });
    if (future - changes.begin() > 1) changes.erase(changes.begin(), future - 1);
  }
}

void HeadlessPlatform::set_joystick(bool present, std::int64_t from_frame) {
  insert_change(pad_presence_, resolve_frame(from_frame), present);
}

void HeadlessPlatform::set_joystick_state(const JoystickState& s, std::int64_t from_frame) {
  insert_change(pad_script_, resolve_frame(from_frame), s);
}

void HeadlessPlatform::render_audio(std::int16_t* samples, int frames) {
  if (audio_) {
    audio_(samples, frames);
  } else {
    std::memset(samples, 0, sizeof(std::int16_t) * kAudioChannels * std::size_t(frames));
  }
}

bool HeadlessPlatform::open_window(int width, int height, const std::string&) {
  if (!window_available_ || width <= 0 || height <= 0) return false;
  window_open_ = true;
  return true;
}

bool HeadlessPlatform::open_screen(int width, int height) {
  return window_open_ && screen_available_ && width > 0 && height > 0;
}

// Memory handed out anew holds a pattern no picture has, as a window's holds anything.
Pixel* HeadlessPlatform::window_memory(int width, int height) {
  if (!hand_out_ || replaced_ || !window_open_ || width <= 0 || height <= 0) return nullptr;
  if (window_.empty()) {
    window_.assign(std::size_t(width) * height, 0x00C0FFEEu);
    window_w_ = width;
    window_h_ = height;
  }
  return width == window_w_ && height == window_h_ ? window_.data() : nullptr;
}

// Presenting other pixels is where the window's memory may be replaced: the old memory is
// scribbled over before it goes, so a picture still drawn there would show it.
void HeadlessPlatform::show_in_window(const Pixel* pixels, int width, int height) {
  if (!hand_out_ || !pixels || (!window_.empty() && pixels == window_.data())) return;
  if (replaced_) {
    std::vector<Pixel> fresh(window_.size(), 0x00C0FFEEu);
    std::fill(window_.begin(), window_.end(), 0x00BADBADu);
    window_.swap(fresh);
    replaced_ = false;
  }
  if (!window_.empty() && width == window_w_ && height == window_h_) {
    std::copy(pixels, pixels + window_.size(), window_.begin());
  }
  ++copies_;
}

void HeadlessPlatform::present(const Pixel* pixels, int width, int height) {
  show_in_window(pixels, width, height);
  if (keep_presented_ && pixels && width > 0 && height > 0) {
    presented_.width = width;
    presented_.height = height;
    presented_.pixels.assign(pixels, pixels + std::size_t(width) * height);
  }
  const bool fault = frame_ == fault_frame_;
  ++frame_;
  if (fault) {
    fault_frame_ = -1;
    std::raise(fault_signal_);
  }
}

int HeadlessPlatform::wait_event(int timeout_ms) {
  if (timeout_ms > 0) {
    clock_ns_ += timeout_ms * kNsPerMs;
  } else if (timeout_ms < 0) {
    // Nothing ever arrives. A window-event thread calls this in a loop, so give the core away
    // for a moment instead of spinning; the virtual clock stays where it is.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

void HeadlessPlatform::read_keys(KeyStates& keys) {
  keys.fill(false);
  for (const auto& [key, changes] : key_script_) {
    const bool* down = change_at(changes, frame_);
    keys[key] = down && *down;
  }
}

bool HeadlessPlatform::open_joystick() {
  const bool* present = change_at(pad_presence_, frame_);
  return present && *present;
}

void HeadlessPlatform::read_joystick(JoystickState& state) {
  const bool connected = open_joystick();
  const JoystickState* scripted = connected ? change_at(pad_script_, frame_) : nullptr;
  state = scripted ? *scripted : JoystickState{};
  state.connected = connected;
}

bool HeadlessPlatform::open_audio(AudioCallback callback) {
  if (!audio_available_) return false;
  audio_ = std::move(callback);
  return true;
}

void HeadlessPlatform::sound_started(SoundId sound, bool loop) {
  sound_starts_.push_back({sound, loop, frame_});
}

BoxAnswer HeadlessPlatform::message_box(const std::string& title, const std::string& text,
                                        BoxButtons buttons) {
  boxes_.push_back({title, text, buttons});
  if (answers_.empty()) return buttons == BoxButtons::kOk ? BoxAnswer::kOk : BoxAnswer::kNo;
  BoxAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void HeadlessPlatform::sleep_ns(std::int64_t ns) {
  if (ns > 0) clock_ns_ += ns;
}

}  // namespace orv::media
