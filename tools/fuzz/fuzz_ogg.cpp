// OGG Vorbis decoding of arbitrary bytes. Every page whose header holds together gets its
// checksum put right first, so that mutations reach the Vorbis decoder instead of being dropped
// as damaged pages.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "media/sound/ogg_decode.h"
#include "media/sound/sound_data.h"

namespace {

constexpr std::size_t kPageHeader = 27;

constexpr std::array<std::uint32_t, 256> make_crc_table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t crc = i << 24;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    table[i] = crc;
  }
  return table;
}
constexpr auto kCrcTable = make_crc_table();

std::uint32_t page_crc(const std::uint8_t* page, std::size_t size) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < size; ++i) crc = (crc << 8) ^ kCrcTable[(crc >> 24) ^ page[i]];
  return crc;
}

// The length of the page at data[at], or 0 when there is none.
std::size_t page_length(const std::vector<std::uint8_t>& data, std::size_t at) {
  if (at + kPageHeader > data.size() || std::memcmp(&data[at], "OggS", 4) != 0) return 0;
  std::size_t segments = data[at + 26];
  std::size_t length = kPageHeader + segments;
  if (at + length > data.size()) return 0;
  for (std::size_t i = 0; i < segments; ++i) length += data[at + kPageHeader + i];
  return at + length <= data.size() ? length : 0;
}

void fix_checksums(std::vector<std::uint8_t>& data) {
  for (std::size_t at = 0; at < data.size();) {
    std::size_t length = page_length(data, at);
    if (length == 0) {
      ++at;
      continue;
    }
    std::memset(&data[at + 22], 0, 4);
    std::uint32_t crc = page_crc(&data[at], length);
    for (int i = 0; i < 4; ++i) data[at + 22 + i] = std::uint8_t(crc >> (8 * i));
    at += length;
  }
}

}  // namespace

// libvorbisfile 1.3.7 leaks the headers of a link when opening a chained file fails on a later
// link (xiph/vorbis issue 125). Our own clean-up is checked by the unit tests under LeakSanitizer.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libvorbisfile.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> file(data, data + size);
  fix_checksums(file);
  std::optional<orv::media::SoundData> sound = orv::media::decode_ogg(file);
  if (sound && sound->frames() > std::size_t(orv::media::kMaxSoundSeconds) * orv::media::kAudioRate)
    __builtin_trap();
  return 0;
}
