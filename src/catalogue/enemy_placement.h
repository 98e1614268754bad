// Putting enemies and the player into the world.
#pragma once

namespace orv {

struct Game;

enum class EnemyGroup { kA = 1, kB = 2 };

// Offers every enemy-spawning cell of columns 0..max_x and rows 0..max_y, column by column,
// to every kind of the group; group A never grows beyond MAXFOE enemies.
void spawn_enemies(Game& g, int max_x, int max_y, EnemyGroup group);
// Frees the sprites of the group's enemies and empties it.
void clear_enemies(Game& g, EnemyGroup group);

// Loads the CURSOR picture as the player's sprite (white is see-through).
void load_player_sprite(Game& g);
// Puts the player on cell (x, y) of a view at the origin.
void place_player(Game& g, int x, int y);

}  // namespace orv
