// The placed objects: drawing them on the visible cells, and what happens when the player
// stands on them.
#pragma once

namespace orv {

struct Game;

// Draws the shown objects of the visible cells and marks the cells whose objects react to the
// player.
void object_pass(Game& g);
// Collects every object of the cell that reacts to the player.
void touch_cell_objects(Game& g, int x, int y);
// The player touches the object of the slot: its sound, its points, its time.
void collect_object(Game& g, int x, int y, int slot);
// Takes the object out of its slot; a bomb goes into the stock, unless the stock is full.
void take_from_cell(Game& g, int x, int y, int slot);

}  // namespace orv
