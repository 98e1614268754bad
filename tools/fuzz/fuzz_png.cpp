// Feeds arbitrary bytes to the PNG decoder; any picture it returns must be well formed. The
// chunk checksums are recomputed before decoding: a mutated chunk would otherwise fail its
// checksum and never reach the decoder.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/decode/picture.h"
#include "media/decode/png.h"

namespace {

constexpr std::size_t kSignature = 8;

std::uint32_t read_big_endian(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

void write_big_endian(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (24 - 8 * i));
}

// Rewrites the checksum of every whole chunk after the signature: length, type, data, checksum.
void fix_chunk_checksums(std::vector<std::uint8_t>& png) {
  std::size_t pos = kSignature;
  while (pos + 12 <= png.size()) {
    const std::size_t length = read_big_endian(&png[pos]);
    if (length > png.size() - pos - 12) return;
    const std::uint8_t* typed = &png[pos + 4];
    const uLong crc = crc32(crc32(0, nullptr, 0), typed, uInt(length + 4));
    write_big_endian(&png[pos + 8 + length], std::uint32_t(crc));
    pos += length + 12;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> png(data, data + size);
  fix_chunk_checksums(png);
  auto image = orv::media::decode_png({png.data(), png.size()});
  if (image &&
      (image->empty() || image->pixels.size() != std::size_t(image->width) * image->height))
    __builtin_trap();
  return 0;
}
