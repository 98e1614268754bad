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
  Handle load_sound(const std::string& file);
  void play_sound(Handle sound, bool loop);
  void stop_sound(Handle sound);
  void free_sound(Handle sound);
  bool is_sound(Handle sound) const;
  // After a caught fault on the calling thread: see Mixer::recover_after_fault.
  void recover_after_fault() { mixer_->recover_after_fault(); }

  // The mixer, for tests and tools that render the output themselves.
  Mixer& mixer() { return *mixer_; }

 private:
  Platform& platform_;
  std::shared_ptr<Mixer> mixer_;
  HandleTable<std::shared_ptr<const SoundData>> sounds_;
};

}  // namespace orv::media
