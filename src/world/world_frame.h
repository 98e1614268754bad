// One frame of the world: drawing, tile rules, enemies, the player and the level-complete test.
#pragma once

namespace orv {

struct Game;

void world_frame(Game& g);

}  // namespace orv
