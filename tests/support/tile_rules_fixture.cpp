#include "support/tile_rules_fixture.h"

namespace orv::test {

TileRulesTest::TileRulesTest() {
  auto kind = [this](const std::string& name, int collision, int value) {
    tile_file(name, {"USECOLLISION", std::to_string(collision), "VALUE1", std::to_string(value)});
  };
  kind("LAB_FLOOR", 0, kFloorValue);
  kind("LAB_FIXED_FLOOR", 0, kFixedValue);
  for (const char* open : {"LAB_GREEN", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR", "LAB_FIXED_PINK_FLOOR"})
    kind(open, 0, 0);
  kind("LAB_WALL", 2, 0);
  kind("LAB_WATER", 1, 0);
  g.world.last_column = 20, g.world.last_row = 20;
}

void TileRulesTest::paint(const std::vector<std::pair<int, int>>& cells,
                          const std::string& tile_name) {
  for (auto [x, y] : cells) {
    retile(x, y, tile_name);
    cell(x, y).live = 1;
  }
}

}  // namespace orv::test
