// Sound effects and music: loading, playing once or looped, stopping and freeing.
#pragma once

#include <memory>
#include <string>

#include "media/handle_table.h"
#include "media/platform.h"
#include "media/sound/mixer.h"

namespace orv::media {

class Sound {
 public:
  explicit Sound(Platform& platform);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Opens the audio output; false when there is none (the game then runs silently).
  bool init_sound();
  SoundId load_sound(const std::string& file);
  // A sound that is decoded while it plays rather than at once: for music, whose tracks may be
  // long. 0 when the file is no readable OGG Vorbis file.
  SoundId load_music(const std::string& file);
  void play_sound(SoundId sound, bool loop);
  void stop_sound(SoundId sound);
  void free_sound(SoundId sound);
  bool is_sound(SoundId sound) const;
  // The loudness of music (tracks loaded with load_music) or effects, 0 to 10.
  void set_volume(SoundGroup group, int volume) { mixer_->set_volume(group, volume); }
  int volume(SoundGroup group) const { return mixer_->volume(group); }
  // After a caught fault on the calling thread: see Mixer::recover_after_fault.
  void recover_after_fault() { mixer_->recover_after_fault(); }

  // The mixer, for tests and tools that render the output themselves.
  Mixer& mixer() { return *mixer_; }

 private:
  Platform& platform_;
  std::shared_ptr<Mixer> mixer_;
  struct Loaded {
    std::shared_ptr<const SoundData> decoded;  // or
    std::string streamed_file;
    std::unique_ptr<OggStream> opened;  // the stream load_music opened, for the first play
  };
  HandleTable<Loaded, SoundId> sounds_;
};

}  // namespace orv::media
