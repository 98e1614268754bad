// The mixer that plays many sounds at once onto one output.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "media/sound/ogg_stream.h"
#include "media/sound/sound_data.h"
#include "media/types.h"

namespace orv::media {

// The two groups of voices, each with its own loudness: tracks decoded while they play (music)
// and sounds decoded whole (effects).
enum class SoundGroup { kMusic, kEffects };
constexpr int kSoundGroups = 2;
constexpr int kMaxGroupVolume = 10;

// Mixes playing voices. Thread-safe: the game thread starts and stops voices while the audio
// thread renders. Streams are decoded outside the lock, so starting a sound never waits for a
// decode: only for the mixing itself.
class Mixer {
 public:
  Mixer() = default;
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // Starts the sound from its beginning. owner identifies the voice for stop(); a sound that is
  // already playing under the same owner restarts.
  void play(SoundId owner, std::shared_ptr<const SoundData> sound, bool loop);
  // The same for a track decoded while it plays (on the thread that renders, a block at a time).
  void play_stream(SoundId owner, std::unique_ptr<OggStream> stream, bool loop);
  void stop(SoundId owner);
  void stop_all();
  bool playing(SoundId owner) const;
  std::size_t voice_count() const;
  // A group's loudness, 0 (silent) to 10 (the sounds as they are); values outside are clamped.
  // Heard from the next block on, faded over one block so that the change does not click.
  // Takes no lock: safe from any thread while the audio thread renders.
  void set_volume(SoundGroup group, int volume);
  int volume(SoundGroup group) const;
  // Adds all voices into out (interleaved stereo, frames frames); sums up to -4.3 dBFS pass
  // unchanged, louder ones are bent softly under full scale. Voices that end are removed.
  void render(std::int16_t* out, int frames);

  // To be called on a thread that a caught fault has just pulled out of one of the calls
  // above. If that call held the lock, the lock is released, so the next sound and the audio
  // thread do not wait for ever, and the voices are dropped, since the abandoned call may have
  // left them half changed; otherwise nothing happens.
  void recover_after_fault();

 private:
  // Holds the lock and notes which thread holds it, for recover_after_fault.
  class Hold {
   public:
    explicit Hold(const Mixer& mixer);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    const Mixer& mixer_;
  };

  // A streamed track. Once playing, only the rendering thread touches it; the voice that plays
  // it and the rendering pass share it, so a voice stopped during a decode keeps its stream
  // alive until the pass lets go.
  struct StreamVoice {
    std::unique_ptr<OggStream> stream;
    bool loop = false;
    std::vector<std::int16_t> ready;  // frames decoded for the current pass
    std::size_t ready_frames = 0;
    bool decoded = false;  // ready holds this pass's frames
    bool ended = false;
  };
  struct Voice {
    SoundId owner;
    std::shared_ptr<const SoundData> sound;  // or
    std::shared_ptr<StreamVoice> stream;
    std::size_t position = 0;  // in frames, of a decoded sound
    bool loop = false;
    bool ended = false;
  };
  void start_voice(Voice voice);
  void decode_streams(int frames);
  void mix(std::int16_t* out, int frames);
  // Mixes frames [start, start + n) of the pass into one block.
  void mix_block(std::int16_t* block, std::size_t start, int n);
  // Gains in 1/65536: the one asked for (any thread) and the one the last block ended on (the
  // audio thread, under the lock).
  std::atomic<int> volume_[kSoundGroups] = {kMaxGroupVolume, kMaxGroupVolume};
  std::int32_t gain_now_[kSoundGroups] = {kUnityGain, kUnityGain};
  bool sounded_[kSoundGroups] = {};  // the group had a voice in the last block
  static constexpr std::int32_t kUnityGain = 1 << 16;
  mutable std::mutex mutex_;
  mutable std::atomic<std::thread::id> holder_{};  // the thread inside the lock, if any
  std::vector<Voice> voices_;
  std::vector<std::shared_ptr<StreamVoice>> decoding_;  // the rendering thread's own
};

}  // namespace orv::media
