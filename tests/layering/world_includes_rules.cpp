// Compiled against the world library only: the rules lie below the world, so this file
// compiles (see Layering.ADownwardIncludeCompiles). It shows that the other probe fails for its
// upward include, not for being broken.
#include "rules/tile_rules.h"

void layering_probe(orv::Game& g) {
  orv::paint_by_player(g, 1, 1);
}
