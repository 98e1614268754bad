// The line-pair files of the object and tile catalogues: a key line, then a value line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "media/types.h"

namespace orv {

struct Game;

// Reads pairs of lines until the end of the file; a missing last value reads as empty.
void read_line_pairs(
    Game& g, media::FileId file,
    const std::function<void(const std::string& key, const std::string& value)>& fn);

// The low 8 bits of a number read back as a signed byte (255 gives -1, 258 gives 2).
constexpr std::int8_t low_byte(std::int32_t n) {
  return std::int8_t(std::uint8_t(std::uint32_t(n) & 0xFFu));
}

}  // namespace orv
