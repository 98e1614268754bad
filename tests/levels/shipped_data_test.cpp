// The shipped data set (data/) as the game meets it: what its levels play.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "catalogue/object_kinds.h"
#include "frame/system_setup.h"
#include "frame/world_collections.h"
#include "game/coordinates.h"
#include "game/game.h"
#include "levels/generation.h"
#include "screens/folder_scans.h"
#include "support/data_set.h"
#include "support/test_game.h"

namespace orv {
namespace {

const std::string kShippedData = std::string(ORV_SHIPPED_DATA) + "/";

// The music track that plays: the only one loaded.
std::string playing_track(const Game& g) {
  for (const SoundEntry& track : g.assets.music)
    if (track.sound) return track.name;
  return "";
}

// The shipped data as the game starts it, with the first level built from the base file.
class ShippedLevels : public ::testing::Test {
 protected:
  void SetUp() override {
    g.frame.start_directory = data, g.frame.configuration_path = data + "DATA\\ini.txt";
    read_configuration(g);
    open_input_and_sound(g);
    open_game_screen(g);
    create_world_collections(g);
    load_object_kinds(g);
    scan_music(g);  // a build draws its music from the level's random numbers
    build_first_level(g);
  }
  void build_level_one(std::int32_t world_random) {
    g.config.world_random = world_random, g.world.level = 1;
    build_generated_level(g);
  }

  std::string data = kShippedData;
  test::TestGame t;
  Game& g = t.game;
  test::CurrentDirectory here{data};
};

// The music of a level is drawn from the level's seed and the order of the music list, which is
// the byte order of the names on every machine; the draw passes over the title's and the
// highscore's tracks, so every level plays one of the in-game tracks.
TEST_F(ShippedLevels, LevelsPlayTheInGameTracks) {
  std::vector<std::string> names;
  for (const SoundEntry& track : g.assets.music) names.push_back(track.name);
  EXPECT_EQ(names, (std::vector<std::string>{"game1.ogg", "game2.ogg", "game3.ogg", "menu.ogg",
                                             "score.ogg"}));
  for (int level = 1; level <= 10; ++level) {
    g.world.level = level;
    build_generated_level(g);
    EXPECT_TRUE(playing_track(g).starts_with("game"))
        << "level " << level << ": " << playing_track(g);
  }
}

// What the start of a level offers: walking distances from the player's cell (-1: out of reach).
struct StartArea {
  explicit StartArea(const Game& g) : grid(g.world.grid), columns(g.world.last_column + 1) {
    const int rows = g.world.last_row + 1;
    distance.assign(std::size_t(columns) * rows, -1);
    const CellPosition start = cell_under_player(g);
    std::deque<CellPosition> queue{start};
    at(start.x, start.y) = 0;
    while (!queue.empty()) {
      const CellPosition c = queue.front();
      queue.pop_front();
      for (const CellPosition n : {CellPosition{c.x + 1, c.y}, CellPosition{c.x - 1, c.y},
                                   CellPosition{c.x, c.y + 1}, CellPosition{c.x, c.y - 1}}) {
        if (n.x < 0 || n.y < 0 || n.x >= columns || n.y >= rows || at(n.x, n.y) >= 0) continue;
        if (grid.at(n.x, n.y).collision != 0) continue;
        at(n.x, n.y) = at(c.x, c.y) + 1;
        queue.push_back(n);
      }
    }
  }
  int& at(int x, int y) { return distance[std::size_t(y) * columns + x]; }
  bool paintable(int x, int y) {
    const NameId t = grid.tile_name(x, y);
    return at(x, y) >= 0 && (t == name::kLabFloor || t == name::kLabGreen);
  }
  // The walk to the nearest 2x2 block of paintable cells (to its farthest cell).
  int nearest_block() {
    int best = -1;
    for (int y = 0; y + 1 < int(distance.size()) / columns; ++y)
      for (int x = 0; x + 1 < columns; ++x) {
        if (!paintable(x, y) || !paintable(x + 1, y) || !paintable(x, y + 1) ||
            !paintable(x + 1, y + 1))
          continue;
        const int far = std::max({at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)});
        if (best < 0 || far < best) best = far;
      }
    return best;
  }
  // The walk to the nearest cell with a pick-up on it.
  int nearest_pick_up(const Game& g) {
    int best = -1;
    for (int y = 0; y < int(distance.size()) / columns; ++y)
      for (int x = 0; x < columns; ++x) {
        if (at(x, y) < 0 || (best >= 0 && at(x, y) >= best)) continue;
        for (std::int32_t index : grid.at(x, y).child_objects)
          if (index >= 0 && std::size_t(index) < g.world.objects.size() &&
              g.world.objects[std::size_t(index)].contact != 0)
            best = at(x, y);
      }
    return best;
  }

  const WorldGrid& grid;
  int columns;
  std::vector<int> distance;
};

// The first level teaches the game within its first seconds: a 2x2 block to close a few steps
// from the start, a pick-up in reach, an enemy of each group and no more than two pink
// painters. The shipped first level (the shipped WORLDRANDOM) shows all of it, and so do most
// first levels of other seeds.
TEST_F(ShippedLevels, FirstLevelShowsEveryIdeaNearTheStart) {
  constexpr int kBlockWithin = 6, kPickUpWithin = 12;
  const std::int32_t shipped = g.config.world_random;
  auto teaches = [&] {
    StartArea area(g);
    const int block = area.nearest_block(), pick_up = area.nearest_pick_up(g);
    const std::size_t pink = g.world.enemies_a.size(), wipers = g.world.enemies_b.size();
    return block >= 0 && block <= kBlockWithin && pick_up >= 0 && pick_up <= kPickUpWithin &&
           pink >= 1 && pink <= 2 && wipers >= 1;
  };
  int teaching = 0;
  for (std::int32_t seed = 1; seed <= 20; ++seed) {
    build_level_one(seed);
    teaching += teaches() ? 1 : 0;
  }
  EXPECT_GE(teaching, 12);
  build_level_one(shipped);
  EXPECT_TRUE(teaches());
}

}  // namespace
}  // namespace orv
