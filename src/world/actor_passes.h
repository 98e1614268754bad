// The moving things of a world frame: both enemy groups and the player.
#pragma once

namespace orv {

struct Game;

// Moves and draws both enemy groups, group A first.
void enemy_passes(Game& g);
// The player's cell: its objects, the player's paint; then the player is drawn.
void update_player(Game& g);

}  // namespace orv
