// The level announcement: after a level is built, "DIMENSION n" spreads out over the first
// picture of the level.
#pragma once

namespace orv {

struct Game;

// Runs the announcement when a level has just been built; nothing otherwise.
void level_announcement(Game& g);

}  // namespace orv
