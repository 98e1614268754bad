// OGG Vorbis decoded piece by piece from its file, through the same resampling as whole sounds,
// so a streamed track gives exactly the samples of the track decoded whole.
#include "media/sound/ogg_stream.h"

#include <vorbis/vorbisfile.h>

#include <fcntl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "media/files/paths.h"
#include "media/files/regular_file.h"
#include "media/platform.h"
#include "media/sound/stereo_resampler.h"

namespace orv::media {
namespace {

// Output frames one decoding step aims at; a step may give more (one packet at least).
constexpr long kStepFrames = 4096;

}  // namespace

struct OggStream::Decoder {
  OggVorbis_File file{};
  bool open = false;
  std::vector<std::int16_t> pending;  // decoded frames not read yet, from taken on
  std::size_t taken = 0;
  StereoResampler resampler{pending, SIZE_MAX};
  int current_link = -1;
  bool at_end = false;

  ~Decoder() {
    if (open) ov_clear(&file);
  }
  std::size_t pending_frames() const { return pending.size() / kAudioChannels - taken; }
};

std::unique_ptr<OggStream> OggStream::open(const std::string& path) {
  // vorbisfile opens with fopen, which waits for good on a FIFO: the file is opened here.
  std::FILE* file = open_regular_stream(resolve_path(path), O_RDONLY, "rb");
  if (file == nullptr) return nullptr;
  return open_file(file);
}

std::unique_ptr<OggStream> OggStream::open_file(std::FILE* file) {
  if (file == nullptr) return nullptr;
  auto decoder = std::make_unique<Decoder>();
  const ov_callbacks callbacks = {
      [](void* dst, std::size_t size, std::size_t n, void* f) {
        return std::fread(dst, size, n, static_cast<std::FILE*>(f));
      },
      [](void* f, ogg_int64_t offset, int whence) {
        return ::fseeko(static_cast<std::FILE*>(f), off_t(offset), whence);
      },
      [](void* f) { return std::fclose(static_cast<std::FILE*>(f)); },
      [](void* f) { return long(::ftello(static_cast<std::FILE*>(f))); }};
  if (ov_open_callbacks(file, &decoder->file, nullptr, 0, callbacks) != 0) {
    std::fclose(file);  // vorbisfile leaves the stream to its caller when it fails
    return nullptr;
  }
  decoder->open = true;
  decoder->pending.reserve(std::size_t(kStepFrames) * 2 * kAudioChannels);
  std::unique_ptr<OggStream> stream(new OggStream(std::move(decoder)));
  if (!stream->decode_more()) return nullptr;
  return stream;
}

OggStream::OggStream(std::unique_ptr<Decoder> decoder) : decoder_(std::move(decoder)) {}
OggStream::~OggStream() = default;

// Decodes packets until some output frames are pending; false at the end or on an error.
bool OggStream::decode_more() {
  Decoder& d = *decoder_;
  if (d.taken > 0) {
    d.pending.erase(d.pending.begin(),
                    d.pending.begin() + std::ptrdiff_t(d.taken * kAudioChannels));
    d.taken = 0;
  }
  while (!d.at_end && d.pending_frames() == 0) {
    const vorbis_info* current = ov_info(&d.file, -1);
    const long rate = current != nullptr && current->rate > 0 ? current->rate : kAudioRate;
    const long wanted = std::clamp(long(double(kStepFrames) * rate / kAudioRate), 1L, kStepFrames);
    float** pcm = nullptr;
    int link = 0;
    const long got = ov_read_float(&d.file, &pcm, int(wanted), &link);
    if (got == OV_HOLE) continue;  // a damaged page: play on after it
    const vorbis_info* info = got > 0 ? ov_info(&d.file, link) : nullptr;
    if (got == 0 || info == nullptr || info->channels <= 0) {
      d.at_end = true;
      d.resampler.finish();
      break;
    }
    if (link != d.current_link) {
      if (!d.resampler.start(info->rate)) d.at_end = true;
      d.current_link = link;
    }
    if (!d.at_end && !d.resampler.add(pcm, info->channels, int(got))) d.at_end = true;
  }
  return d.pending_frames() > 0;
}

std::size_t OggStream::read(std::int16_t* out, std::size_t frames) {
  Decoder& d = *decoder_;
  std::size_t done = 0;
  while (done < frames && (d.pending_frames() > 0 || decode_more())) {
    const std::size_t n = std::min(frames - done, d.pending_frames());
    std::memcpy(out + done * kAudioChannels, d.pending.data() + d.taken * kAudioChannels,
                n * kAudioChannels * sizeof(std::int16_t));
    d.taken += n;
    done += n;
  }
  return done;
}

bool OggStream::rewind() {
  Decoder& d = *decoder_;
  if (ov_pcm_seek(&d.file, 0) != 0) return false;
  d.pending.clear();
  d.taken = 0;
  d.current_link = -1;
  d.at_end = false;
  return true;
}

}  // namespace orv::media
