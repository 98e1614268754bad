// The one music track that plays, looped.
#pragma once

#include <string>

namespace orv {

struct Game;

// Stops and frees every loaded track, then plays the track of that file name, or a track
// chosen at random when the name is empty. An empty music list plays nothing.
void play_music(Game& g, const std::string& name);

}  // namespace orv
