// Generated labyrinths: walls first, then three random walks from the corner cell (1, 1) that
// turn walls into floor, green and water tiles.
#pragma once

#include <string>

#include "game/names.h"

namespace orv {

struct Game;

// Largest last column and last row of a level: the grid grows to fit at most this.
constexpr int kLargestLevelIndex = 1024;

// Builds the labyrinth of the current level number from the base size.
void build_generated_level(Game& g);
// Reads the base size from the file (error 7 when it cannot be opened) and builds a labyrinth.
void build_level_from_base(Game& g, const std::string& file);
// Builds the first level at start-up: from SELFCREATEBASE when USESELFCREATEBASE is 1,
// otherwise by loading the level file APPENTRY + APPSTART + ".ai42"; either way the player's
// sprite is loaded.
void build_first_level(Game& g);
// Seeds the random generator with WORLDRANDOM + level: a level number always builds the same.
void seed_level_random(Game& g);

// Empties the world: view origin, edge list, placed objects and cell sprites. The new grid has
// at least 257 x 257 cells and holds columns 0..max_x and rows 0..max_y.
void reset_world(Game& g, int max_x, int max_y);
// Every cell of the level becomes a live wall.
void fill_walls(Game& g, int max_x, int max_y);
// max_x x max_y steps of a walker from (1, 1) that turns the walls it reaches into tile. The
// floor pass also counts the level goal and time and puts the player on its first new cell.
void random_walk(Game& g, int max_x, int max_y, NameId tile, bool floor_pass);
// The edge tiles of the edge list, when USEEXTENDEDTOPO is 1.
void edge_pass(Game& g);

}  // namespace orv
