#include "media/sound/stereo_resampler.h"

#include <algorithm>
#include <cmath>

#include "media/platform.h"

namespace orv::media {
namespace {

enum class Role {
  kUnused,
  kMono,
  kFrontLeft,
  kFrontRight,
  kCentre,
  kSurroundLeft,
  kSurroundRight,
  kRearCentre,
  kLfe
};

// Channels past the eighth never carry weight.
constexpr int kWeightedChannels = 8;

constexpr float kMinus3dB = 0.70710678f;

// Channel roles of the Vorbis layouts for 3 to 8 channels, indexed [count - 3][channel].
constexpr Role kLayouts[6][8] = {
    {Role::kFrontLeft, Role::kCentre, Role::kFrontRight},
    {Role::kFrontLeft, Role::kFrontRight, Role::kSurroundLeft, Role::kSurroundRight},
    {Role::kFrontLeft, Role::kCentre, Role::kFrontRight, Role::kSurroundLeft, Role::kSurroundRight},
    {Role::kFrontLeft, Role::kCentre, Role::kFrontRight, Role::kSurroundLeft, Role::kSurroundRight,
     Role::kLfe},
    {Role::kFrontLeft, Role::kCentre, Role::kFrontRight, Role::kSurroundLeft, Role::kSurroundRight,
     Role::kRearCentre, Role::kLfe},
    {Role::kFrontLeft, Role::kCentre, Role::kFrontRight, Role::kSurroundLeft, Role::kSurroundRight,
     Role::kSurroundLeft, Role::kSurroundRight, Role::kLfe},
};

Role role_of(int channel_count, int channel) {
  if (channel_count == 1) return Role::kMono;
  if (channel_count >= 3 && channel_count <= 8) return kLayouts[channel_count - 3][channel];
  if (channel == 0) return Role::kFrontLeft;
  return channel == 1 ? Role::kFrontRight : Role::kUnused;
}

StereoWeights weight_of(Role role) {
  switch (role) {
    case Role::kMono:
      return {1, 1};
    case Role::kFrontLeft:
      return {1, 0};
    case Role::kFrontRight:
      return {0, 1};
    case Role::kCentre:
      return {kMinus3dB, kMinus3dB};
    case Role::kSurroundLeft:
      return {kMinus3dB, 0};
    case Role::kSurroundRight:
      return {0, kMinus3dB};
    case Role::kRearCentre:
      return {0.5f, 0.5f};
    case Role::kLfe:
    case Role::kUnused:
      break;
  }
  return {0, 0};
}

}  // namespace

StereoWeights stereo_weight(int channel_count, int channel) {
  if (channel < 0 || channel >= channel_count) return {0, 0};
  return weight_of(role_of(channel_count, channel));
}

std::int16_t to_int16(float sample) {
  if (std::isnan(sample)) return 0;
  float scaled = sample * 32767.0f;
  if (scaled >= 32767.0f) return 32767;
  if (scaled <= -32768.0f) return -32768;
  return std::int16_t(std::lrint(scaled));
}

StereoResampler::StereoResampler(std::vector<std::int16_t>& out, std::size_t max_frames)
    : out_(out), max_frames_(max_frames) {}

bool StereoResampler::start(long rate) {
  bool ok = finish();
  rate_ = rate > 0 ? rate : 0;
  source_count_ = 0;
  position_ = 0;
  fraction_ = 0;
  return ok && rate_ > 0;
}

bool StereoResampler::add(const float* const* channels, int channel_count, int frames) {
  if (rate_ <= 0 || channel_count <= 0) return false;
  // Weights are normalised so that a full-scale signal on every channel stays full scale.
  int used = std::min(channel_count, kWeightedChannels);
  StereoWeights weights[kWeightedChannels];
  StereoWeights total{0, 0};
  for (int c = 0; c < used; ++c) {
    weights[c] = stereo_weight(channel_count, c);
    total.left += weights[c].left;
    total.right += weights[c].right;
  }
  for (int c = 0; c < used; ++c) {
    weights[c].left /= total.left;
    weights[c].right /= total.right;
  }
  for (int i = 0; i < frames; ++i) {
    Frame frame;
    for (int c = 0; c < used; ++c) {
      frame.left += weights[c].left * channels[c][i];
      frame.right += weights[c].right * channels[c][i];
    }
    if (!push(frame)) return false;
  }
  return true;
}

bool StereoResampler::finish() {
  // Output frames that fall between the last source frame and the end hold that frame.
  while (source_count_ > 0 && position_ == source_count_ - 1) {
    if (!emit(previous_)) return false;
    step();
  }
  source_count_ = 0;
  return true;
}

bool StereoResampler::push(Frame frame) {
  // Every output frame between the previous source frame and this one can be made now.
  while (source_count_ > 0 && position_ == source_count_ - 1) {
    float t = float(fraction_) / float(kAudioRate);
    if (!emit({previous_.left + (frame.left - previous_.left) * t,
               previous_.right + (frame.right - previous_.right) * t}))
      return false;
    step();
  }
  previous_ = frame;
  ++source_count_;
  return true;
}

bool StereoResampler::emit(Frame frame) {
  if (out_.size() / 2 >= max_frames_) return false;
  out_.push_back(to_int16(frame.left));
  out_.push_back(to_int16(frame.right));
  return true;
}

void StereoResampler::step() {
  fraction_ += rate_;
  position_ += fraction_ / kAudioRate;
  fraction_ %= kAudioRate;
}

}  // namespace orv::media
