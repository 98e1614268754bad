// Line splitting on arbitrary bytes. The first byte sets the reader's chunk size and the second
// how many bytes the source hands out per read, so line ends fall on every kind of boundary.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "media/files/line_reader.h"

namespace {

class PieceSource : public orv::media::ByteSource {
 public:
  PieceSource(const std::uint8_t* data, std::size_t size, std::size_t piece)
      : data_(data), size_(size), piece_(piece) {}
  std::size_t read(char* dst, std::size_t max) override {
    std::size_t n = std::min({max, piece_, size_ - pos_});
    if (n > 0) std::memcpy(dst, data_ + pos_, n);
    pos_ += n;
    return n;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t piece_;
  std::size_t pos_ = 0;
};

bool is_line_end(char c) {
  return c == '\r' || c == '\n' || c == '\0';
}

// The bytes a line end takes at text[pos]: 2 for CR LF, otherwise 1.
std::size_t end_length(const std::uint8_t* text, std::size_t size, std::size_t pos) {
  return text[pos] == '\r' && pos + 1 < size && text[pos + 1] == '\n' ? 2 : 1;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t chunk = std::size_t(data[0] % 64) + 1;
  const std::size_t piece = data[1] == 0 ? SIZE_MAX : std::size_t(data[1]);
  data += 2;
  size -= 2;
  PieceSource source(data, size, piece);
  orv::media::LineReader reader(chunk);
  std::size_t consumed = 0;
  while (!reader.at_end(source)) {
    check(consumed < size);
    std::string line = reader.next_line(source);
    check(std::none_of(line.begin(), line.end(), is_line_end));
    check(consumed + line.size() <= size);
    check(std::memcmp(line.data(), data + consumed, line.size()) == 0);
    consumed += line.size();
    if (consumed < size) consumed += end_length(data, size, consumed);
  }
  check(consumed == size);
  check(reader.next_line(source).empty());
  return 0;
}
