// Object and tile files may give any 32-bit number: the counters they feed stop at the 32-bit
// limits instead of wrapping round.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

#include "frame/level_clock.h"
#include "game/game.h"
#include "media/keys.h"
#include "rules/enemy_tiles.h"
#include "rules/patterns.h"
#include "support/tile_rules_fixture.h"
#include "world/placed_objects.h"
#include "world/world_frame.h"

namespace orv {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

using CounterLimits = test::TileRulesTest;

// A bomb left lying because the stock is full scores on every frame the player stands on it,
// and every touched object adds its time.
TEST_F(CounterLimits, PickUpsThatStayAddUpToTheLimits) {
  ObjectKind& bomb = add_kind("BOMB", 0);
  bomb.contact = 1, bomb.consumed_on_contact = 1;
  tile_file("ARMOURY", {"CHILD1", "BOMB"});
  retile(2, 2, "ARMOURY");
  cell(2, 2).contact = 1;
  g.world.bombs = 3;
  PlacedObject& o = g.world.objects.at(0);
  for (std::int32_t extreme : {kMax, kMin}) {
    o.points = o.extra_time = extreme;
    for (std::int8_t count_up : {0, 1}) {
      o.count_up = count_up;
      g.world.score = g.world.score_target = g.world.time = 0;
      for (int frame = 0; frame < 3; ++frame) touch_cell_objects(g, 2, 2);
      EXPECT_EQ(count_up == 0 ? g.world.score : g.world.score_target, extreme);
      EXPECT_EQ(g.world.time, extreme);
    }
  }
  EXPECT_EQ(cell(2, 2).child_objects[0], 0);  // still lying there
}

TEST_F(CounterLimits, CountersStopAtTheLimits) {
  tile_file("LAB_FIXED_FLOOR", {"VALUE1", std::to_string(kMax)});
  tile_file("LAB_FLOOR", {"VALUE1", std::to_string(kMin)});
  paint({{3, 4}, {3, 5}, {4, 5}, {4, 4}}, "LAB_BLUE_FLOOR");
  g.world.score = 1, g.world.remaining = kMin;
  fix_blue_patterns(g, 4, 4);
  EXPECT_EQ(std::tuple(g.world.score, g.world.remaining), std::tuple(kMax, kMin));
  g.world.remaining = kMax;
  erase_paint(g, 4 * 32, 4 * 32);  // minus the floor's value of -2147483648
  EXPECT_EQ(std::tuple(g.world.score, g.world.remaining), std::tuple(kMax, kMax));
  add_kind("GEM", 0).goody = 1;
  tile_file("GEMS", {"CHILD1", "GEM"});
  retile(6, 6, "GEMS");
  EXPECT_EQ(g.world.remaining, kMax);
}

TEST_F(CounterLimits, TheLevelClockStopsAtTheLimits) {
  t.platform.hold_key(media::key::kP, 0);  // leaves the highscore screen at once
  g.frame.time_unit_length = kMax;         // WORLDREFRESH 2147483647: a unit never ends
  g.frame.frame_counter = kMax;
  level_timer_tick(g);
  EXPECT_EQ(g.frame.frame_counter, kMax);
  g.frame.time_unit_length = 0, g.world.time = kMin;
  level_timer_tick(g);
  EXPECT_EQ(g.world.time, kMin);
}

TEST_F(CounterLimits, TheLevelNumberStopsAtTheLimit) {
  t.platform.hold_key(media::key::kP, 0);  // leaves the highscore screen at once
  g.world.level = kMax;                    // a level that is complete on every frame
  g.world.remaining = 0;
  world_frame(g);
  EXPECT_EQ(g.world.level, kMax);
}

}  // namespace
}  // namespace orv
