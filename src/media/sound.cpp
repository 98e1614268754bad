// Sound effects and music on top of the mixer. Without an audio device everything works the
// same, only nothing is heard.
#include "media/sound.h"

#include <algorithm>

#include "media/files.h"
#include "media/files/paths.h"
#include "media/sound/ogg_decode.h"

namespace orv::media {
namespace {

// The largest sound file read: half an hour of music at a high bit rate fits.
constexpr std::size_t kMaxSoundFileBytes = std::size_t(128) << 20;

}  // namespace

Sound::Sound(Platform& platform) : platform_(platform), mixer_(std::make_shared<Mixer>()) {}

Sound::~Sound() {
  // The audio callback owns the mixer too and may outlive us; it goes silent from here on.
  mixer_->stop_all();
}

bool Sound::init_sound() {
  return platform_.open_audio([mixer = mixer_](std::int16_t* samples, int frames) {
    if (samples == nullptr || frames <= 0) return;
    std::fill_n(samples, std::size_t(frames) * kAudioChannels, std::int16_t(0));
    mixer->render(samples, frames);
  });
}

SoundId Sound::load_sound(const std::string& file) {
  std::optional<Bytes> data = read_whole_file(file, kMaxSoundFileBytes);
  if (!data) return {};
  std::optional<SoundData> sound = decode_ogg(*data);
  if (!sound) return {};
  return sounds_.add(Loaded{std::make_shared<const SoundData>(std::move(*sound)), {}, nullptr});
}

SoundId Sound::load_music(const std::string& file) {
  std::unique_ptr<OggStream> stream = OggStream::open(file);
  if (!stream) return {};
  return sounds_.add(Loaded{nullptr, file, std::move(stream)});
}

void Sound::play_sound(SoundId sound, bool loop) {
  Loaded* loaded = sounds_.get(sound);
  if (loaded == nullptr) return;
  if (loaded->decoded) {
    mixer_->play(sound, loaded->decoded, loop);
  } else {
    std::unique_ptr<OggStream> stream = std::move(loaded->opened);
    if (!stream) stream = OggStream::open(loaded->streamed_file);
    mixer_->play_stream(sound, std::move(stream), loop);
  }
  platform_.sound_started(sound, loop);
}

void Sound::stop_sound(SoundId sound) {
  if (sounds_.contains(sound)) mixer_->stop(sound);
}

void Sound::free_sound(SoundId sound) {
  if (!sounds_.contains(sound)) return;
  mixer_->stop(sound);
  sounds_.remove(sound);
}

bool Sound::is_sound(SoundId sound) const {
  return sounds_.contains(sound);
}

}  // namespace orv::media
