// Sounds played by name from the sound list.
#pragma once

#include <string>

namespace orv {

struct Game;

// Plays the first loaded sound of the sound list with exactly this name; nothing otherwise.
void play_named_sound(Game& g, const std::string& name, bool loop);

}  // namespace orv
