// Putting enemies into the world.
#pragma once

namespace orv {

struct Game;

enum class EnemyGroup { kA = 1, kB = 2 };

// Offers every enemy-spawning cell of columns 0..max_x and rows 0..max_y, column by column,
// to every kind of the group; group A never grows beyond MAXFOE enemies.
void spawn_enemies(Game& g, int max_x, int max_y, EnemyGroup group);
// Frees the sprites of the group's enemies and empties it.
void clear_enemies(Game& g, EnemyGroup group);

}  // namespace orv
