// The SDL audio device: one stereo 16-bit output at kAudioRate, filled by the game's callback
// on SDL's audio thread.
#pragma once

#include <SDL.h>

#include "media/platform.h"

namespace orv::media {

class SdlAudio {
 public:
  SdlAudio() = default;
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Opens the default device and starts it; false when there is none (the game then runs
  // silently). Opening again closes the device first.
  bool open(AudioCallback callback);
  // Waits for a running callback to finish, then closes the device.
  void close();

 private:
  static void audio_entry(void* self, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;
  AudioCallback callback_;
  // SDL's audio side stays started from the first open to the end, also when no device
  // opened: stopping it then waits for SDL's device-watching thread, which sleeps 100 ms
  // first, and that would delay the first picture of a machine without sound.
  bool subsystem_ = false;
};

}  // namespace orv::media
