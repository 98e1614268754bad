// An OGG Vorbis file decoded while it plays: a little is decoded whenever the mixer needs more,
// so a track of any length starts at once and holds only the decoder and a few thousand frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace orv::media {

class OggStream {
 public:
  // Opens the file and decodes its first frames; null when it is no readable OGG Vorbis file or
  // holds no sound at all.
  static std::unique_ptr<OggStream> open(const std::string& path);
  // The same for a stream already open, which it takes over (and closes, also on failure).
  // open() hands it only regular files; tests hand it pipes that make the decoder wait.
  static std::unique_ptr<OggStream> open_file(std::FILE* file);
  ~OggStream();
  OggStream(const OggStream&) = delete;
  OggStream& operator=(const OggStream&) = delete;

  // Writes up to frames stereo frames at the output rate into out and returns how many; fewer
  // only at the end of the track or where the rest of the file cannot be decoded.
  std::size_t read(std::int16_t* out, std::size_t frames);
  // Starts again from the first frame, for a loop; false when the file cannot.
  bool rewind();

 private:
  struct Decoder;
  explicit OggStream(std::unique_ptr<Decoder> decoder);
  bool decode_more();

  std::unique_ptr<Decoder> decoder_;
};

}  // namespace orv::media
