// The level the test data set gives for WORLDRANDOM 5 and level 3, compared with the checked-in
// dump. Set ORV_UPDATE_GOLDEN=1 to write a new expected file after an intended change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "frame/game.h"
#include "levels/level_fixture.h"
#include "support/level_dump.h"

namespace orv {
namespace {

constexpr const char* kGoldenFile = ORV_FIXTURES "/golden/level_5_3.txt";

std::string read_text(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

using GoldenLevel = test::LevelTest;

TEST_F(GoldenLevel, Seed5Level3MatchesTheExpectedDump) {
  ASSERT_EQ(g.config.world_random, 5);
  build(3);
  const std::string dump = test::dump_level(g);
  if (const char* update = std::getenv("ORV_UPDATE_GOLDEN"); update && std::string(update) == "1")
    std::ofstream(kGoldenFile, std::ios::binary) << dump;
  EXPECT_EQ(dump, read_text(kGoldenFile)) << "new dump:\n" << dump;
}

}  // namespace
}  // namespace orv
