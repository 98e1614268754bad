// What the enemies' steps do to the tile they reach: group A paints it pink, group B wipes it.
#pragma once

namespace orv {

struct Game;

// Effects of an enemy step at world pixel position (px, py): group A paints, group B wipes.
void paint_pink(Game& g, int px, int py);
void erase_paint(Game& g, int px, int py);

}  // namespace orv
