// Compiled against the world library only: the world may not see the screens above it, so
// this file must fail to compile (see Layering.AnUpwardIncludeDoesNotCompile).
#include "screens/title_menu.h"

void layering_probe(orv::Game& g) {
  orv::show_title_menu(g);
}
