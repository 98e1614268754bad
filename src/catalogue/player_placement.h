// Putting the player into the world.
#pragma once

namespace orv {

struct Game;

// Loads the CURSOR picture as the player's sprite (white is see-through).
void load_player_sprite(Game& g);
// Puts the player on cell (x, y) of a view at the origin.
void place_player(Game& g, int x, int y);

}  // namespace orv
