#include "media/platform_sdl/sdl_audio.h"

#include <cstring>

namespace orv::media {

namespace {

constexpr Uint16 kDeviceFrames = 1024;  // about 23 ms per callback

}  // namespace

bool SdlAudio::open(AudioCallback callback) {
  close();
  if (!subsystem_ && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystem_ = true;
  callback_ = std::move(callback);
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kAudioChannels;
  wanted.samples = kDeviceFrames;
  wanted.callback = &SdlAudio::audio_entry;
  wanted.userdata = this;
  SDL_AudioSpec obtained;
  // No allowed changes: SDL converts to whatever the device really plays.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device_ == 0) {
    callback_ = nullptr;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudio::audio_entry(void* self, Uint8* stream, int length) {
  auto& callback = static_cast<SdlAudio*>(self)->callback_;
  int frames = length / int(sizeof(std::int16_t) * kAudioChannels);
  if (callback) {
    callback(reinterpret_cast<std::int16_t*>(stream), frames);
  } else {
    std::memset(stream, 0, std::size_t(length));
  }
}

void SdlAudio::close() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);  // waits for a running callback to finish
  device_ = 0;
  callback_ = nullptr;
}

SdlAudio::~SdlAudio() {
  close();
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace orv::media
