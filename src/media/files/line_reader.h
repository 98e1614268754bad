// Cuts a byte stream into the game's text lines. A line ends at CR, LF, CR LF or NUL; the end
// is not part of the line, a line keeps at most
// kMostTextLineBytes bytes (files/regular_file.h), and bytes pass through untouched.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orv::media {

// Where the bytes come from: read() fills dst with up to max bytes and returns how many it
// gave, 0 at the end of the stream.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::size_t read(char* dst, std::size_t max) = 0;
};

class LineReader {
 public:
  static constexpr std::size_t kDefaultChunk = 64 * 1024;

  explicit LineReader(std::size_t chunk = kDefaultChunk);

  // The next line; empty at the end of the stream.
  std::string next_line(ByteSource& source);
  // True when the stream holds no further byte.
  bool at_end(ByteSource& source);
  // Bytes taken from the source but not handed out yet.
  std::size_t buffered() const { return end_ - pos_; }
  // Forgets the buffered bytes (the owner moved the stream elsewhere).
  void clear() { pos_ = end_ = 0; }

 private:
  bool fill(ByteSource& source);
  void skip_lf_after_cr(ByteSource& source);

  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace orv::media
