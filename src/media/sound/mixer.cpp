// The mixer: voices summed block by block in 32 bits, then bent under full scale by a soft clip.
#include "media/sound/mixer.h"

#include <algorithm>

#include "media/sound/sound_data.h"

namespace orv::media {
namespace {

// Frames mixed per pass; the sum of one pass lives on the stack, so rendering never allocates.
constexpr int kBlockFrames = 256;

// A sum up to kKnee in size passes bit for bit. Above it the sum bends smoothly (the slope is 1 at
// the knee and falls from there) towards kCeiling, which it never reaches, so even a pile of loud
// sounds never clips: y = knee + room * over / (room + over).
constexpr std::int64_t kKnee = 20000;     // -4.3 dBFS, above the music's own peaks
constexpr std::int64_t kCeiling = 32000;  // -0.2 dBFS
constexpr std::int64_t kRoom = kCeiling - kKnee;

std::int16_t soft_clip(std::int32_t value) {
  const std::int64_t size = value < 0 ? -std::int64_t(value) : std::int64_t(value);
  if (size <= kKnee) return std::int16_t(value);
  const std::int64_t over = size - kKnee;
  const auto bent = std::int16_t(kKnee + kRoom * over / (kRoom + over));
  return value < 0 ? std::int16_t(-bent) : bent;
}

// Adds up to frames frames of the sound from position on, wrapping round when it loops.
void add_voice(const SoundData& sound, std::size_t& position, bool loop, std::int32_t* sum,
               int frames) {
  const std::size_t total = sound.frames();
  std::size_t done = 0;
  while (done < std::size_t(frames) && position < total) {
    std::size_t n = std::min(std::size_t(frames) - done, total - position);
    const std::int16_t* source = sound.samples.data() + position * kAudioChannels;
    std::int32_t* target = sum + done * kAudioChannels;
    for (std::size_t i = 0; i < n * kAudioChannels; ++i) target[i] += source[i];
    position += n;
    done += n;
    if (loop && position == total) position = 0;
  }
}

}  // namespace

Mixer::Hold::Hold(const Mixer& mixer) : mixer_(mixer) {
  mixer_.mutex_.lock();
  mixer_.holder_.store(std::this_thread::get_id());
}

Mixer::Hold::~Hold() {
  mixer_.holder_.store(std::thread::id());
  mixer_.mutex_.unlock();
}

void Mixer::recover_after_fault() {
  if (holder_.load() != std::this_thread::get_id()) return;
  voices_.clear();
  holder_.store(std::thread::id());
  mutex_.unlock();  // locked by this thread, in the call the fault abandoned
}

void Mixer::play(Handle owner, std::shared_ptr<const SoundData> sound, bool loop) {
  Hold hold(*this);
  auto it = std::find_if(voices_.begin(), voices_.end(),
                         [owner](const Voice& v) { return v.owner == owner; });
  if (!sound || sound->frames() == 0) {
    if (it != voices_.end()) voices_.erase(it);
    return;
  }
  if (it != voices_.end()) {
    *it = Voice{owner, std::move(sound), 0, loop};
  } else {
    voices_.push_back(Voice{owner, std::move(sound), 0, loop});
  }
}

void Mixer::stop(Handle owner) {
  Hold hold(*this);
  std::erase_if(voices_, [owner](const Voice& v) { return v.owner == owner; });
}

void Mixer::stop_all() {
  Hold hold(*this);
  voices_.clear();
}

bool Mixer::playing(Handle owner) const {
  Hold hold(*this);
  return std::any_of(voices_.begin(), voices_.end(),
                     [owner](const Voice& v) { return v.owner == owner; });
}

std::size_t Mixer::voice_count() const {
  Hold hold(*this);
  return voices_.size();
}

void Mixer::render(std::int16_t* out, int frames) {
  if (out == nullptr || frames <= 0) return;
  Hold hold(*this);
  for (int start = 0; start < frames; start += kBlockFrames) {
    int n = std::min(kBlockFrames, frames - start);
    std::int16_t* block = out + std::size_t(start) * kAudioChannels;
    std::int32_t sum[kBlockFrames * kAudioChannels];
    std::copy(block, block + n * kAudioChannels, sum);
    for (Voice& v : voices_) add_voice(*v.sound, v.position, v.loop, sum, n);
    std::transform(sum, sum + n * kAudioChannels, block, soft_clip);
  }
  std::erase_if(voices_, [](const Voice& v) { return !v.loop && v.position >= v.sound->frames(); });
}

}  // namespace orv::media
