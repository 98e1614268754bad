// Bombs: a blast wipes fixed floor back to bare floor along the four axes from the player.
#pragma once

namespace orv {

struct Game;

// Detonates one bomb of the stock, if there is one.
void use_bomb(Game& g);
// The blast at the player's cell, whatever the stock holds.
void detonate_bomb(Game& g);

}  // namespace orv
