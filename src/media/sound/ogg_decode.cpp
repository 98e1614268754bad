// OGG Vorbis files decoded from memory through vorbisfile.
#include "media/sound/ogg_decode.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "media/sound/stereo_resampler.h"

namespace orv::media {
namespace {

constexpr int kReadFrames = 4096;

// The file in memory as vorbisfile reads it.
struct MemoryReader {
  std::span<const std::uint8_t> data;
  std::size_t position = 0;
};

std::size_t read_memory(void* out, std::size_t size, std::size_t count, void* source) {
  auto& reader = *static_cast<MemoryReader*>(source);
  if (size == 0) return 0;
  std::size_t items = std::min(count, (reader.data.size() - reader.position) / size);
  if (items > 0) std::memcpy(out, reader.data.data() + reader.position, items * size);
  reader.position += items * size;
  return items;
}

int seek_memory(void* source, ogg_int64_t offset, int whence) {
  auto& reader = *static_cast<MemoryReader*>(source);
  auto size = ogg_int64_t(reader.data.size());
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) {
    base = ogg_int64_t(reader.position);
  } else if (whence == SEEK_END) {
    base = size;
  } else if (whence != SEEK_SET) {
    return -1;
  }
  if (offset < -base || offset > size - base) return -1;
  reader.position = std::size_t(base + offset);
  return 0;
}

long tell_memory(void* source) {
  return long(static_cast<MemoryReader*>(source)->position);
}

// Closes the decoder on every way out. vorbisfile leaves the struct zeroed when opening fails,
// and clearing a zeroed one does nothing.
struct OpenVorbis {
  OggVorbis_File file{};
  ~OpenVorbis() { ov_clear(&file); }
};

// Output frames the stream says it holds, or nullopt when that is not known. Links are summed
// one by one since a chained stream may change its rate.
std::optional<double> announced_frames(OggVorbis_File& vf) {
  if (!ov_seekable(&vf)) return std::nullopt;
  double frames = 0;
  for (long link = 0; link < ov_streams(&vf); ++link) {
    ogg_int64_t total = ov_pcm_total(&vf, int(link));
    const vorbis_info* info = ov_info(&vf, int(link));
    if (total < 0 || info == nullptr || info->rate <= 0) return std::nullopt;
    frames += double(total) * kAudioRate / double(info->rate);
  }
  return frames;
}

bool decode_all(OggVorbis_File& vf, StereoResampler& resampler) {
  int current_link = -1;
  for (;;) {
    float** pcm = nullptr;
    int link = 0;
    long got = ov_read_float(&vf, &pcm, kReadFrames, &link);
    if (got == 0) return resampler.finish();
    if (got == OV_HOLE) continue;  // a damaged page: play on after it
    if (got < 0) return false;
    const vorbis_info* info = ov_info(&vf, link);
    if (info == nullptr || info->channels <= 0) return false;
    if (link != current_link) {
      if (!resampler.start(info->rate)) return false;
      current_link = link;
    }
    if (!resampler.add(pcm, info->channels, int(got))) return false;
  }
}

}  // namespace

std::optional<SoundData> decode_ogg_with_limit(std::span<const std::uint8_t> data,
                                               int max_seconds) {
  MemoryReader reader{data};
  ov_callbacks callbacks{read_memory, seek_memory, nullptr, tell_memory};
  OpenVorbis vorbis;
  if (ov_open_callbacks(&reader, &vorbis.file, nullptr, 0, callbacks) < 0) return std::nullopt;

  std::size_t max_frames = std::size_t(std::max(max_seconds, 0)) * kAudioRate;
  std::optional<double> announced = announced_frames(vorbis.file);
  if (announced && *announced > double(max_frames)) return std::nullopt;

  SoundData sound;
  if (announced) sound.samples.reserve(std::size_t(*announced + 1) * kAudioChannels);
  StereoResampler resampler(sound.samples, max_frames);
  if (!decode_all(vorbis.file, resampler) || sound.samples.empty()) return std::nullopt;
  return sound;
}

std::optional<SoundData> decode_ogg(std::span<const std::uint8_t> data) {
  return decode_ogg_with_limit(data, kMaxSoundSeconds);
}

}  // namespace orv::media
