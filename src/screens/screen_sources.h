// What the screens take from the music player and the asset lists.
#pragma once

#include <string>

#include "world/drift_sprites.h"

namespace orv {

struct Game;

// Stops all music and starts the named track of the music list, looping.
void play_music(Game& g, const std::string& name);

// The drift sprites of the title and highscore screens; nullptr while there are none.
DriftSpriteList* screen_sprite_list(Game& g);

}  // namespace orv
