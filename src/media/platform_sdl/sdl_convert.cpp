#include "media/platform_sdl/sdl_convert.h"

namespace orv::media {

std::string latin1_to_utf8(const std::string& text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::int64_t counter_to_ns(std::uint64_t counter, std::uint64_t frequency) {
  constexpr std::uint64_t kNsPerSecond = 1'000'000'000;
  if (frequency == 0) return 0;
  std::uint64_t seconds = counter / frequency;
  std::uint64_t rest = counter % frequency;  // rest * 1e9 fits while frequency < 1.8e10
  return static_cast<std::int64_t>(seconds * kNsPerSecond + rest * kNsPerSecond / frequency);
}

int scale_axis(std::int16_t value) {
  return value < 0 ? value * 1000 / 32768 : value * 1000 / 32767;
}

}  // namespace orv::media
