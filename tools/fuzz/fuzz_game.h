// The game the reader targets feed: one per process on the headless platform, its data files
// served from memory (Files::put_memory_file) so no input touches the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "game/game.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"

namespace orv::fuzz {

struct FuzzGame {
  media::HeadlessPlatform platform;
  media::Media media{platform};
  Game game{media};
};

// The process's game, with no memory files left from the last input.
inline Game& fresh_game() {
  static FuzzGame made;
  made.game.media.files.clear_memory_files();
  return made.game;
}

inline std::string_view text_of(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at its first form feed: the text before it and the text after it (empty when
// the input holds none), for targets that read two files.
inline std::pair<std::string, std::string> split_at_form_feed(std::string_view text) {
  const std::size_t cut = text.find('\f');
  if (cut == std::string_view::npos) return {std::string(text), {}};
  return {std::string(text.substr(0, cut)), std::string(text.substr(cut + 1))};
}

// A fuzzing failure that the sanitizers would not see.
inline void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace orv::fuzz
