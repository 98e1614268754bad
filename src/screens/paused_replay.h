// A paused replay says so: PAUSED in the game's font at the top left of the darkened picture,
// away from the middle of the play area.
#pragma once

#include <vector>

#include "media/types.h"

namespace orv {

struct Game;

// Writes PAUSED on the picture (the screen's size) through the back buffer, which then gets its
// own pixels and the text cursor back: the game's next frame is drawn as if nothing happened.
void mark_paused_picture(Game& g, std::vector<media::Pixel>& picture, int width, int height);

}  // namespace orv
