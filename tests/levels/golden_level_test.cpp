// The level the test data set gives for WORLDRANDOM 5 and level 3, compared with the checked-in
// dump. Set ORV_UPDATE_GOLDEN=1 to write a new expected file after an intended change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "levels/level_fixture.h"
#include "support/level_dump.h"

namespace orv {
namespace {

using GoldenLevel = test::LevelTest;

TEST_F(GoldenLevel, Seed5Level3MatchesTheExpectedDump) {
  constexpr const char* kGoldenFile = ORV_FIXTURES "/golden/level_5_3.txt";
  ASSERT_EQ(g.config.world_random, 5);
  build(3);
  const std::string dump = test::dump_level(g);
  if (const char* update = std::getenv("ORV_UPDATE_GOLDEN"); update && std::string(update) == "1")
    std::ofstream(kGoldenFile, std::ios::binary) << dump;
  std::stringstream expected;
  expected << std::ifstream(kGoldenFile, std::ios::binary).rdbuf();
  EXPECT_EQ(dump, expected.str()) << "new dump:\n" << dump;
}

}  // namespace
}  // namespace orv
