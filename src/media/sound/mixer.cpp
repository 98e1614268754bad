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
void add_decoded(const SoundData& sound, std::size_t& position, bool loop, std::int32_t* sum,
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

// Reads up to frames frames of the stream into out, starting it again at its end when it loops;
// done receives how many. False once it has ended (or gives nothing even from its start).
bool read_stream(OggStream& stream, bool loop, std::int16_t* out, std::size_t frames,
                 std::size_t& done) {
  done = 0;
  bool rewound = false;
  while (done < frames) {
    const std::size_t got = stream.read(out + done * kAudioChannels, frames - done);
    done += got;
    if (done == frames) break;
    if (!loop || (rewound && got == 0) || !stream.rewind()) return false;
    rewound = true;
  }
  return true;
}

// Adds frames [from, from + frames) of a stream's decoded frames, as far as they go.
void add_ready(const std::vector<std::int16_t>& ready, std::size_t ready_frames, std::size_t from,
               std::int32_t* sum, int frames) {
  if (from >= ready_frames) return;
  const std::size_t n = std::min(std::size_t(frames), ready_frames - from);
  const std::int16_t* source = ready.data() + from * kAudioChannels;
  for (std::size_t i = 0; i < n * kAudioChannels; ++i) sum[i] += source[i];
}

// The gain of a volume step: the square of the fraction, so that each step sounds about as much
// quieter as the one before it; 10 is exactly 1.
std::int32_t gain_of(int volume) {
  return std::int32_t(std::int64_t(volume) * volume * 65536 / (kMaxGroupVolume * kMaxGroupVolume));
}

// Adds a group's sum into the block's, scaled by a gain that moves from `from` to `to` over the
// block. At unity gain the samples pass unchanged, at gain 0 they are left out.
void add_group(const std::int32_t* group, std::int32_t* sum, int frames, std::int32_t from,
               std::int32_t to) {
  const int n = frames * kAudioChannels;
  if (from == to && to == (1 << 16)) {
    for (int i = 0; i < n; ++i) sum[i] += group[i];
    return;
  }
  if (from == to && to == 0) return;
  for (int f = 0; f < frames; ++f) {
    const std::int64_t gain = from + (std::int64_t(to) - from) * (f + 1) / frames;
    for (int c = 0; c < kAudioChannels; ++c) {
      const int i = f * kAudioChannels + c;
      sum[i] += std::int32_t(group[i] * gain / 65536);
    }
  }
}

}  // namespace

void Mixer::set_volume(SoundGroup group, int volume) {
  volume_[int(group)].store(std::clamp(volume, 0, kMaxGroupVolume));
}

int Mixer::volume(SoundGroup group) const {
  return volume_[int(group)].load();
}

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

void Mixer::play(SoundId owner, std::shared_ptr<const SoundData> sound, bool loop) {
  Voice voice{owner, std::move(sound), nullptr};
  voice.loop = loop;
  voice.ended = !voice.sound || voice.sound->frames() == 0;
  start_voice(std::move(voice));
}

void Mixer::play_stream(SoundId owner, std::unique_ptr<OggStream> stream, bool loop) {
  Voice voice{owner, nullptr, nullptr};
  voice.loop = loop;
  voice.ended = !stream;
  if (stream) {
    voice.stream = std::make_shared<StreamVoice>();
    voice.stream->stream = std::move(stream);
    voice.stream->loop = loop;
  }
  start_voice(std::move(voice));
}

// The voice replaces the owner's playing one; a voice with nothing to play only stops that.
void Mixer::start_voice(Voice voice) {
  Hold hold(*this);
  auto it = std::find_if(voices_.begin(), voices_.end(),
                         [&voice](const Voice& v) { return v.owner == voice.owner; });
  if (voice.ended) {
    if (it != voices_.end()) voices_.erase(it);
    return;
  }
  if (it != voices_.end()) {
    *it = std::move(voice);
  } else {
    voices_.push_back(std::move(voice));
  }
}

void Mixer::stop(SoundId owner) {
  Hold hold(*this);
  std::erase_if(voices_, [owner](const Voice& v) { return v.owner == owner; });
}

void Mixer::stop_all() {
  Hold hold(*this);
  voices_.clear();
}

bool Mixer::playing(SoundId owner) const {
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
  decode_streams(frames);
  mix(out, frames);
  decoding_.clear();  // a stream whose voice was stopped meanwhile is closed here
}

// The streams that play are noted under the lock and decoded outside it.
void Mixer::decode_streams(int frames) {
  {
    Hold hold(*this);
    for (const Voice& v : voices_)
      if (v.stream && !v.ended) decoding_.push_back(v.stream);
  }
  for (const std::shared_ptr<StreamVoice>& s : decoding_) {
    s->ready.resize(std::size_t(frames) * kAudioChannels);
    s->ended =
        !read_stream(*s->stream, s->loop, s->ready.data(), std::size_t(frames), s->ready_frames);
    s->decoded = true;
  }
}

// A stream started after the decoding joins in with the next pass.
void Mixer::mix(std::int16_t* out, int frames) {
  Hold hold(*this);
  for (int start = 0; start < frames; start += kBlockFrames) {
    const int n = std::min(kBlockFrames, frames - start);
    mix_block(out + std::size_t(start) * kAudioChannels, std::size_t(start), n);
  }
  for (Voice& v : voices_) {
    if (!v.stream || !v.stream->decoded) continue;
    v.ended = v.stream->ended;
    v.stream->decoded = false;
    v.stream->ready_frames = 0;
  }
  std::erase_if(voices_, [](const Voice& v) { return v.ended; });
}

// Each group is summed on its own, then the groups are added to what the block held, each at
// its gain, and the total is bent under full scale. Muted voices still play on (silently), so
// the music goes on where it is when it is heard again.
void Mixer::mix_block(std::int16_t* block, std::size_t start, int n) {
  std::int32_t sum[kBlockFrames * kAudioChannels];
  std::int32_t groups[kSoundGroups][kBlockFrames * kAudioChannels] = {};
  std::copy(block, block + n * kAudioChannels, sum);
  bool sounding[kSoundGroups] = {};
  for (Voice& v : voices_) {
    if (v.ended) continue;
    sounding[int(v.stream ? SoundGroup::kMusic : SoundGroup::kEffects)] = true;
    if (v.stream) {
      add_ready(v.stream->ready, v.stream->ready_frames, start, groups[int(SoundGroup::kMusic)], n);
    } else {
      add_decoded(*v.sound, v.position, v.loop, groups[int(SoundGroup::kEffects)], n);
      v.ended = !v.loop && v.position >= v.sound->frames();
    }
  }
  for (int group = 0; group < kSoundGroups; ++group) {
    const std::int32_t target = gain_of(volume_[group].load(std::memory_order_relaxed));
    // A group that played nothing in the last block takes its new gain at once: there is no
    // sound to click.
    if (!sounded_[group]) gain_now_[group] = target;
    if (sounding[group]) add_group(groups[group], sum, n, gain_now_[group], target);
    gain_now_[group] = target;
    sounded_[group] = sounding[group];
  }
  std::transform(sum, sum + n * kAudioChannels, block, soft_clip);
}

}  // namespace orv::media
