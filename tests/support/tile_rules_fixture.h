// A world test whose tile folder holds the tile kinds the play rules know, with distinct values
// so that score changes show which tile's value was used.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/world_fixture.h"

namespace orv::test {

class TileRulesTest : public WorldTest {
 protected:
  static constexpr int kFloorValue = 7;
  static constexpr int kFixedValue = 5;

  TileRulesTest();
  // Sets each cell's tile name, retiles it and makes it a live cell of the level.
  void paint(const std::vector<std::pair<int, int>>& cells, const std::string& tile_name);
  const std::string& tile(int x, int y) { return name_of(g.world.grid.tile_name(x, y)); }
};

}  // namespace orv::test
