// A game with a fresh level grid, tiles of 32 pixels and a tile folder in its own temporary
// folder, for the tests of the world, the catalogues and level building.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/catalogue_state.h"
#include "support/test_game.h"

namespace orv::test {

// Lines of a key/value file, each ended by a line feed.
std::string lines(std::initializer_list<std::string> l);

class WorldTest : public ::testing::Test {
 protected:
  WorldTest();

  // Writes the tile definition file of a tile name into the tile folder.
  void tile_file(const std::string& tile_name, std::initializer_list<std::string> l);
  // Adds a tile graphic of that name, a w x h picture of one colour, to the tile graphics list.
  void add_tile_graphic(const std::string& name, int w = 8, int h = 8);
  // Appends an object kind with a w x h picture (none when w is 0) to the object kind list.
  ObjectKind& add_kind(const std::string& placement_name, int density, int w = 4, int h = 4);
  // Sets the cell's tile name and retiles it.
  void retile(int x, int y, const std::string& tile_name);
  Cell& cell(int x, int y) { return g.world.grid.at(x, y); }
  const std::string& name_of(NameId id) { return g.world.names.text(id); }

  TestGame t;
  Game& g = t.game;
};

}  // namespace orv::test
