// Where the bot walks: the nearest floor to paint, or greedily a farther cell that closes a 2x2
// block, and nowhere when every way is walled off.
#include "input/autopilot.h"

#include <gtest/gtest.h>

#include <string>

#include "media/keys.h"
#include "support/world_fixture.h"

namespace orv {
namespace {

namespace key = media::key;

class Autopilot : public test::WorldTest {
 protected:
  // Lays out the level from rows of W (wall), F (floor), B (blue) and @ (the player on blue).
  void level(std::initializer_list<std::string> rows) {
    int y = 0;
    for (const std::string& row : rows) {
      for (int x = 0; x < int(row.size()); ++x) {
        const char c = row[std::size_t(x)];
        cell(x, y).collision = c == 'W' ? 2 : 0;
        g.world.grid.set_tile_name(x, y,
                                   c == 'F'   ? name::kLabFloor
                                   : c == 'W' ? name::kLabWall
                                              : name::kLabBlueFloor);
        if (c == '@') g.world.player.x = float(x * 32 + 8), g.world.player.y = float(y * 32 + 8);
      }
      g.world.last_column = int(row.size()) - 1;
      ++y;
    }
    g.world.last_row = y - 1;
  }
};

TEST_F(Autopilot, NearestPaintsTheClosestFloorGreedyPrefersClosingABlock) {
  level({"WWWWWWWW",  //
         "WFF@BFBW",  //
         "WWWWWBBW",  //
         "WWWWWWWW"});
  EXPECT_EQ(autopilot_arrow(g, Aim::kNearest), key::kLeft);
  EXPECT_EQ(autopilot_arrow(g, Aim::kGreedy), key::kRight);
}

TEST_F(Autopilot, NothingToPaintOrNoWayThereGivesNoArrow) {
  level({"WWWWW",  //
         "W@BBW",  //
         "WWWWW"});
  EXPECT_EQ(autopilot_arrow(g, Aim::kGreedy), std::nullopt);
  level({"WWWWW",  //
         "W@WFW",  //
         "WWWWW"});
  EXPECT_EQ(autopilot_arrow(g, Aim::kNearest), std::nullopt);
}

}  // namespace
}  // namespace orv
