// The tile rules: painting by the player, the patterns that fix paint, the enemies' effects on
// tiles, bombs and the HARDCORE trap.
#pragma once

namespace orv {

struct Game;

void paint_by_player(Game& g, int x, int y);
void fix_blue_patterns(Game& g, int x, int y);
void fix_pink_patterns(Game& g, int x, int y);
void trap_test(Game& g, int x, int y);
// Effects of an enemy step at world pixel position (px, py): group A paints, group B wipes.
void paint_pink(Game& g, int px, int py);
void erase_paint(Game& g, int px, int py);
// Detonates one bomb of the stock, if there is one.
void use_bomb(Game& g);
void detonate_bomb(Game& g);

}  // namespace orv
