// Decoded sound and the mixer that plays many sounds at once onto one output.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "media/platform.h"
#include "media/types.h"

namespace orv::media {

// Interleaved stereo 16-bit samples at kAudioRate, whatever the source rate and channels were.
struct SoundData {
  std::vector<std::int16_t> samples;
  std::size_t frames() const { return samples.size() / kAudioChannels; }
};

// Decodes an OGG Vorbis file held in memory; nullopt when it is not a readable one.
// Sounds longer than kMaxSoundSeconds are refused.
constexpr int kMaxSoundSeconds = 60 * 10;
std::optional<SoundData> decode_ogg(std::span<const std::uint8_t> data);

// Mixes playing voices. Thread-safe: the game thread starts and stops voices while the audio
// thread renders.
class Mixer {
 public:
  // Starts the sound from its beginning. owner identifies the voice for stop(); a sound that is
  // already playing under the same owner restarts.
  void play(Handle owner, std::shared_ptr<const SoundData> sound, bool loop);
  void stop(Handle owner);
  void stop_all();
  bool playing(Handle owner) const;
  std::size_t voice_count() const;
  // Adds all voices into out (interleaved stereo, frames frames), saturating; voices that end
  // are removed.
  void render(std::int16_t* out, int frames);

 private:
  struct Voice {
    Handle owner;
    std::shared_ptr<const SoundData> sound;
    std::size_t position;  // in frames
    bool loop;
  };
  mutable std::mutex mutex_;
  std::vector<Voice> voices_;
};

}  // namespace orv::media
