// The day's labyrinth: its seed comes from the UTC date alone, so two games on the same day
// build the same levels whatever WORLDRANDOM the data set has, and another day builds others.
// A practice game started at a level builds the level a normal game reaches there.
#include <gtest/gtest.h>

#include <tuple>

#include "game/play_mode.h"
#include "levels/level_fixture.h"
#include "support/level_dump.h"

namespace orv {
namespace {

// Seeds worked out by hand from YYYYMMDD and the mixing steps written beside the formula: a
// change of the formula would give every player other labyrinths than before.
TEST(DailySeed, FixedDatesGiveTheirSeedsInTheRangeOfWorldRandom) {
  EXPECT_EQ(std::tuple(daily_world_random(2026, 12, 8), daily_world_random(2027, 1, 1),
                       daily_world_random(2000, 2, 29)),
            std::tuple(47418405, 451818282, 935441382));
  EXPECT_NE(daily_world_random(2026, 12, 9), daily_world_random(2026, 12, 8));
  EXPECT_EQ(date_text({2026, 1, 2, 23, 59, 0}), "2026-01-02");
  EXPECT_EQ(date_text({2026, 12, 31, 0, 0, 0}), "2026-12-31");
}

class DailyLevel : public test::LevelTest {
 protected:
  // Builds level 1 of the day's game on date, as a game started from the title does.
  std::string first_level_on(const media::LocalTime& date) {
    t.platform.set_utc_time(date);
    choose_daily_game(g);
    build(1);
    return test::dump_level(g);
  }
};

TEST_F(DailyLevel, EachDayBuildsAFirstLabyrinthOfItsOwn) {
  const std::string first = first_level_on({2026, 12, 8, 0, 0, 1});
  EXPECT_EQ(g.frame.play.daily_date, "2026-12-08");
  g.config.world_random = 77;  // another data set's setting is not used by the day's game
  build(3);                    // a level in between changes nothing either
  EXPECT_EQ(first_level_on({2026, 12, 8, 23, 59, 59}), first);
  EXPECT_NE(first_level_on({2026, 12, 9, 0, 0, 0}), first);

  // The day's level is the level a normal game builds with the day's seed as WORLDRANDOM.
  g.frame.play.mode = PlayMode::kNormal, g.config.world_random = daily_world_random(2026, 12, 8);
  build(1);
  EXPECT_EQ(test::dump_level(g), first);
}

// A normal game builds levels 1, 2 and 3 in turn; a practice game builds 3 straight away, and
// after a daily game at that: the same labyrinth, objects, enemies and counters.
TEST_F(DailyLevel, APracticeGameAtALevelBuildsTheLevelANormalGameReachesThere) {
  for (int level : {1, 2, 3}) build(level);
  const std::string reached = test::dump_level(g);
  first_level_on({2026, 12, 8, 12, 0, 0});
  g.frame.play.mode = PlayMode::kPractice;
  build(3);
  EXPECT_EQ(test::dump_level(g), reached);
}

}  // namespace
}  // namespace orv
