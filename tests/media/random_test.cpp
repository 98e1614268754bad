// The game's random generator: fixed numbers for fixed seeds, exact ranges, fair spread.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "media/system.h"

namespace orv::media {
namespace {

std::vector<std::int32_t> draws(std::int32_t seed, std::int32_t max, int count) {
  Random random;
  random.seed(seed);
  std::vector<std::int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(random.next(max));
  return out;
}

// Levels are generated from seeds, so these numbers must never change. With max = 2^31 - 1 a
// draw is the low 31 bits of the published SplitMix64 outputs (here for the state 1234567).
TEST(Random, GoldenDraws) {
  EXPECT_EQ(draws(42, 99, 8), (std::vector<std::int32_t>{13, 91, 58, 64, 50, 62, 25, 8}));
  EXPECT_EQ(draws(42, INT32_MAX, 3), (std::vector<std::int32_t>{803958421, 845607171, 319790930}));
  std::vector<std::int32_t> splitmix;
  for (std::uint64_t x : {6457827717110365317u, 3203168211198807973u, 9817491932198370423u})
    splitmix.push_back(std::int32_t(x & 0x7FFFFFFF));
  EXPECT_EQ(draws(1234567, INT32_MAX, 3), splitmix);
  EXPECT_NE(draws(-1, 1000, 50), draws(1, 1000, 50));
  Random random;
  for (std::int32_t max : {-1, INT32_MIN}) EXPECT_EQ(random.next(max), INT32_MIN);
}

TEST(Random, DrawsSpreadEvenlyOverZeroToMax) {
  EXPECT_EQ(draws(12345, 0, 10), std::vector<std::int32_t>(10, 0));
  const std::vector<std::int32_t> dice = draws(12345, 6, 2000);
  auto [low_end, high_end] = std::minmax_element(dice.begin(), dice.end());
  EXPECT_EQ(std::pair(*low_end, *high_end), std::pair(0, 6));
  // About half the draws below the middle; with 2^30 + 1 values a plain "x mod n" on 32 bits
  // would favour the low half strongly.
  int low = 0;
  for (std::int32_t v : draws(99, 1 << 30, 20000)) low += v < 1 << 29;
  EXPECT_NEAR(low, 10000, 450);  // about six standard deviations
}

}  // namespace
}  // namespace orv::media
