// A game on the test data set, for the tests of the folder scans and of what they fill: the
// tile graphics, sounds, music and drift sprites.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/game.h"
#include "support/data_set.h"
#include "support/test_game.h"

namespace orv::test {

class Assets : public ::testing::Test {
 protected:
  Assets() { use_data_set(t); }
  const SoundEntry& sound(const std::string& n) {
    return *std::find_if(g.assets.sounds.begin(), g.assets.sounds.end(),
                         [&](const SoundEntry& s) { return s.name == n; });
  }
  const TileGraphic* tile_graphic(const char* n) {
    auto it = g.assets.tile_graphic_index.find(g.world.names.intern(n));
    return it == g.assets.tile_graphic_index.end() ? nullptr : &g.assets.tile_graphics[it->second];
  }
  TestGame t;
  Game& g = t.game;
};

}  // namespace orv::test
