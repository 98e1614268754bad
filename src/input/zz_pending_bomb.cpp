// Stand-in for the bomb until the tile rules land: takes one bomb of the stock.
#include "frame/game.h"
#include "world/terra_logic.h"

namespace orv {

void use_bomb(Game& g) {
  if (!g.world.bomb_stock.empty()) g.world.bomb_stock.pop_back();
}

}  // namespace orv
