#include "media/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace orv::media {
namespace {

TEST(Numbers, NumbersReadLikeTheDataFilesExpect) {
  const std::pair<const char*, std::int32_t> ints[] = {{"42", 42},
                                                       {" \t-17xyz", -17},
                                                       {"abc", 0},
                                                       {"- 5", 0},
                                                       {"99999999999999999999", 2147483647},
                                                       {"-99999999999999999999", -2147483647 - 1}};
  for (auto [text, value] : ints) EXPECT_EQ(val(text), value) << text;
  const std::pair<const char*, float> floats[] = {
      {"32.5", 32.5f}, {"  -0.25e2 px", -25.0f}, {".5", 0.5f},   {"1e", 1.0f},
      {"inf", 0.0f},   {"0x10", 0.0f},           {"1e999", 0.0f}};
  for (auto [text, value] : floats) EXPECT_FLOAT_EQ(valf(text), value) << text;
  const std::pair<double, std::int32_t> rounded[] = {
      {3.5, 4}, {2.5, 2}, {-2.5, -2}, {2.4999, 2}, {1e20, 2147483647}, {std::nan(""), 0}};
  for (auto [value, expected] : rounded) EXPECT_EQ(round_even(value), expected) << value;
}

TEST(Numbers, SaturatingAddStopsAtBothLimits) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    std::int32_t a;
    std::int64_t b;
    std::int32_t sum;
  } cases[] = {{5, -7, -2},
               {kMax, 1, kMax},
               {kMax - 1, kMax, kMax},
               {kMin, -1, kMin},
               {kMin, -std::int64_t(kMin), 0},
               {0, INT64_MAX, kMax},
               {0, INT64_MIN, kMin}};
  for (const auto& c : cases) EXPECT_EQ(saturating_add(c.a, c.b), c.sum) << c.a << " + " << c.b;
}

}  // namespace
}  // namespace orv::media
