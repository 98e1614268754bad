#include "media/numbers.h"

#include <gtest/gtest.h>

namespace orv::media {
namespace {

TEST(Numbers, IntegersReadLikeTheDataFilesExpect) {
  EXPECT_EQ(val("42"), 42);
  EXPECT_EQ(val(" \t-17xyz"), -17);
  EXPECT_EQ(val("+8"), 8);
  EXPECT_EQ(val("abc"), 0);
  EXPECT_EQ(val(""), 0);
  EXPECT_EQ(val("- 5"), 0);
  EXPECT_EQ(val("99999999999999999999"), 2147483647);
  EXPECT_EQ(val("-99999999999999999999"), -2147483647 - 1);
}

TEST(Numbers, FloatsReadDecimalSyntaxOnly) {
  EXPECT_FLOAT_EQ(valf("32.5"), 32.5f);
  EXPECT_FLOAT_EQ(valf("  -0.25e2 px"), -25.0f);
  EXPECT_FLOAT_EQ(valf(".5"), 0.5f);
  EXPECT_FLOAT_EQ(valf("1e"), 1.0f);
  EXPECT_FLOAT_EQ(valf("inf"), 0.0f);
  EXPECT_FLOAT_EQ(valf("0x10"), 0.0f);
  EXPECT_FLOAT_EQ(valf("1e999"), 0.0f);
}

TEST(Numbers, RoundingTakesHalvesToEven) {
  EXPECT_EQ(round_even(3.5), 4);
  EXPECT_EQ(round_even(2.5), 2);
  EXPECT_EQ(round_even(-2.5), -2);
  EXPECT_EQ(round_even(2.4999), 2);
  EXPECT_EQ(round_even(1e20), 2147483647);
  EXPECT_EQ(round_even(0.0 / 0.0), 0);
}

}  // namespace
}  // namespace orv::media
