// The one music track that plays, looped.
#pragma once

#include <string>

namespace orv {

struct Game;

// The tracks of the title menu and of the highscore screen, played by name.
constexpr char kMenuTrack[] = "menu.ogg";
constexpr char kScoreTrack[] = "score.ogg";

// Stops and frees every loaded track, then plays the track of that file name, or a track
// chosen at random when the name is empty (one of the screens' tracks only when the list holds
// nothing else). An empty music list plays nothing.
void play_music(Game& g, const std::string& name);

}  // namespace orv
