// A game on the test data set with its catalogues loaded, ready to build levels.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/test_game.h"

namespace orv::test {

class LevelTest : public ::testing::Test {
 protected:
  LevelTest();
  // Rewrites a file of the data set copy, e.g. "DATA/RGB/LAB/LAB_WALL".
  void rewrite(const std::string& relative, std::initializer_list<std::string> lines);
  // The tile name of a cell.
  const std::string& tile(int x, int y);
  // Builds the labyrinth of a level number as the main loop does.
  void build(int level);

  TestGame t;
  Game& g = t.game;
};

}  // namespace orv::test
