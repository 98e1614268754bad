// The player's settings file: any bytes give valid settings, which write and read back alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "game/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::ostringstream errors;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orv::Settings s = orv::parse_settings(text, "settings.txt", errors);
  if (s.music_volume < 0 || s.music_volume > orv::kMaxVolume) std::abort();
  if (s.effects_volume < 0 || s.effects_volume > orv::kMaxVolume) std::abort();
  if (!orv::valid_player_name(s.player_name)) std::abort();
  std::ostringstream again;
  const orv::Settings read_back = orv::parse_settings(orv::format_settings(s), "x", again);
  if (!(read_back == s) || !again.str().empty()) std::abort();
  return 0;
}
