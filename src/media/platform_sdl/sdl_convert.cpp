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

int scale_axis(std::int16_t value) {
  return value < 0 ? value * 1000 / 32768 : value * 1000 / 32767;
}

}  // namespace orv::media
