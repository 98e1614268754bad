// Names of the keys a player may bind in controls.txt.
#pragma once

#include <string>

namespace orv::media {

// The game key number (keys.h) of a key name such as "W", "SPACE", "F5" or "KP8"; the name is
// matched without regard to case. -1 for a name no key has.
int key_by_name(const std::string& name);
// The name of a key number, as key_by_name takes it; empty for a number no named key has.
std::string key_name(int key);

}  // namespace orv::media
