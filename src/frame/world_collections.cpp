#include "frame/world_collections.h"

#include "catalogue/object_list.h"
#include "game/game.h"

namespace orv {

void create_world_collections(Game& g) {
  g.world.grid.recreate(kStartGridSize, kStartGridSize);
  clear_placed_objects(g);
  g.world.enemies_a.clear();
  g.world.enemies_b.clear();
}

}  // namespace orv
