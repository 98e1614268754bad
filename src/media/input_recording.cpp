// Recording and replaying the game's keyboard input.
#include "media/input_recording.h"

namespace orv::media {

InputRecordingPlatform::InputRecordingPlatform(Platform& inner, Mode mode,
                                               std::vector<KeyEvent> replay)
    : inner_(inner), mode_(mode), events_(std::move(replay)) {}

void InputRecordingPlatform::present(const Pixel* pixels, int width, int height) {
  inner_.present(pixels, width, height);
  ++frame_;
}

void InputRecordingPlatform::read_keys(KeyStates& keys) {
  if (mode_ == Mode::kRecord)
    record(keys);
  else
    replay(keys);
}

// The keys are read once a frame, as a replay gives them, so that every snapshot the game takes
// within one frame sees the same keys in both.
void InputRecordingPlatform::record(KeyStates& keys) {
  if (frame_ == last_read_frame_) {
    keys = held_;
    return;
  }
  last_read_frame_ = frame_;
  inner_.read_keys(keys);
  for (int key = 0; key < key::kCount; ++key) {
    if (!scriptable_key(key)) keys[key] = false;
    if (keys[key] != held_[key]) events_.push_back({frame_, key, keys[key]});
  }
  held_ = keys;
}

void InputRecordingPlatform::replay(KeyStates& keys) {
  while (next_replayed_ < events_.size() && events_[next_replayed_].frame <= frame_) {
    const KeyEvent& e = events_[next_replayed_++];
    held_[e.key] = e.down;
  }
  keys = held_;
}

}  // namespace orv::media
