// The three players of the difficulty curve and the table that shows it.
#include "bot/curve.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orv::bot {
namespace {

TEST(BotProfiles, RunFromSlowAimlessToFastPlanning) {
  const auto& all = profiles();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(std::tuple(all[0].name, all[1].name, all[2].name),
            std::tuple("newcomer", "casual", "expert"));
  // Each is faster than the one before; only the expert plans where to go.
  EXPECT_GT(all[0].pace, all[1].pace);
  EXPECT_GT(all[1].pace, all[2].pace);
  EXPECT_EQ(std::tuple(all[2].pace, all[0].aim, all[1].aim, all[2].aim),
            std::tuple(1, Aim::kNearest, Aim::kNearest, Aim::kGreedy));
}

TEST(BotProfiles, OnlyListsOfKnownNamesAreReadInOrder) {
  const auto two = parse_profiles("expert,newcomer");
  ASSERT_TRUE(two);
  ASSERT_EQ(two->size(), 2u);
  EXPECT_EQ(std::tuple((*two)[0].name, (*two)[1].name), std::tuple("expert", "newcomer"));
  EXPECT_TRUE(find_profile("casual"));
  EXPECT_FALSE(find_profile("Expert"));
  for (const char* bad : {"newcomer,pro", "", "newcomer,,expert"})
    EXPECT_FALSE(parse_profiles(bad)) << bad;
}

LevelRow row(std::int32_t level, std::vector<std::int32_t> time_left) {
  LevelRow r;
  r.level = level, r.completed = int(time_left.size());
  r.time_left = std::move(time_left);
  return r;
}

TEST(BotCurve, TableShowsEachProfilesCompletionsWithMedianTimeLeft) {
  std::vector<CurveColumn> columns{
      {*find_profile("newcomer"), {row(1, {9, 3, 5}), row(2, {})}},
      {*find_profile("expert"), {row(1, {20, 40, 30, 10}), row(2, {7})}}};
  EXPECT_EQ(format_curve(columns, 4),
            "| level | newcomer | expert |\n"
            "|---|---|---|\n"
            "| 1 | 3 / 4 (5) | 4 / 4 (30) |\n"
            "| 2 | 0 / 4 (-) | 1 / 4 (7) |\n");
}

TEST(BotCurve, ColumnsOfDifferentLengthsLeaveTheMissingCellsEmpty) {
  std::vector<CurveColumn> columns{{*find_profile("casual"), {row(1, {2})}},
                                   {*find_profile("expert"), {row(1, {4}), row(2, {1})}}};
  EXPECT_EQ(format_curve(columns, 1),
            "| level | casual | expert |\n"
            "|---|---|---|\n"
            "| 1 | 1 / 1 (2) | 1 / 1 (4) |\n"
            "| 2 | | 1 / 1 (1) |\n");
}

}  // namespace
}  // namespace orv::bot
