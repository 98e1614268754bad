// Names of the keys a player may bind in controls.txt.
#pragma once

#include <string>

namespace orv::media {

// The game key number (keys.h) of a key name such as "W", "SPACE", "F5" or "KP8"; the name is
// matched without regard to case. -1 for a name no key has.
int key_by_name(const std::string& name);

}  // namespace orv::media
