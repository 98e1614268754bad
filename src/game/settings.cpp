// Which player names the settings keep.
#include "game/settings.h"

#include <algorithm>

namespace orv {

bool valid_name_character(std::uint8_t c) {
  if (c == '|' || c == '\\') return false;
  return (c >= 0x20 && c <= 0x7E) || c >= 0xA0;
}

bool valid_player_name(const std::string& name) {
  return name.size() <= kMaxPlayerName && std::all_of(name.begin(), name.end(), [](char c) {
           return valid_name_character(std::uint8_t(c));
         });
}

}  // namespace orv
