// Enemy movement: enemies wander the labyrinth at random in steps of a fraction of a tile, and
// every step changes the tile they reach.
#pragma once

namespace orv {

struct Game;
struct Enemy;

// One frame of an enemy of group A (paints floor pink; stopped by any collision), respectively
// group B (wipes paint; walks through collision 1). behaviour 2, 3 and 4 never move.
void move_enemy_a(Game& g, Enemy& enemy, int behaviour);
void move_enemy_b(Game& g, Enemy& enemy, int behaviour);

}  // namespace orv
