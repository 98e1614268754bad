#include <cstring>

#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {

namespace {

constexpr Uint16 kDeviceFrames = 1024;  // about 23 ms per callback

}  // namespace

bool SdlPlatform::open_audio(AudioCallback callback) {
  close_audio();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  audio_callback_ = std::move(callback);
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kAudioChannels;
  wanted.samples = kDeviceFrames;
  wanted.callback = &SdlPlatform::audio_entry;
  wanted.userdata = this;
  SDL_AudioSpec obtained;
  // No allowed changes: SDL converts to whatever the device really plays.
  audio_device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (audio_device_ == 0) {
    audio_callback_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(audio_device_, 0);
  return true;
}

void SdlPlatform::audio_entry(void* self, Uint8* stream, int length) {
  auto& callback = static_cast<SdlPlatform*>(self)->audio_callback_;
  int frames = length / int(sizeof(std::int16_t) * kAudioChannels);
  if (callback) {
    callback(reinterpret_cast<std::int16_t*>(stream), frames);
  } else {
    std::memset(stream, 0, std::size_t(length));
  }
}

void SdlPlatform::close_audio() {
  if (audio_device_ == 0) return;
  SDL_CloseAudioDevice(audio_device_);  // waits for a running callback to finish
  audio_device_ = 0;
  audio_callback_ = nullptr;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace orv::media
