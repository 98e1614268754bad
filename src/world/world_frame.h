// One frame of the world: drawing, tile rules, enemies, the player and the level-complete test.
#pragma once

namespace orv {

struct Game;

void world_frame(Game& g);
// The drawing passes of one world frame, with the play rules inside them, in their order:
// drift sprites, tiles, objects, enemies, the player, the level announcement, the full-screen
// capture pass and the head-up display.
void draw_world(Game& g);

}  // namespace orv
