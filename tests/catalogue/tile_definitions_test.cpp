#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/placement.h"
#include "catalogue/tile_definitions.h"
#include "frame/game.h"
#include "levels/generation.h"
#include "support/level_dump.h"
#include "support/screen_game.h"
#include "support/world_test.h"

namespace orv {
namespace {

using TileDefinitions = test::WorldTest;

// Keys are exact: a lower-case key and one with a trailing blank are skipped with their value.
TEST_F(TileDefinitions, EveryKeySetsItsFieldAndKeysAreExact) {
  tile_file("ROCK", {"GFXNAME",      "rock.png", "VALUE1",       "7",   "RANDOMSEED",   "-3",
                     "ROTATE",       "12",       "USECOLLISION", "258", "TRANSPARENCY", "55",
                     "USEENEMY",     "1",        "DX1",          "2",   "DX2",          "5",
                     "gfxname",      "x.png",    "VALUE1 ",      "4",   "USEDIRECTION", "LEFT",
                     "INTERNALNAME", "rock",     "CHILD2",       "GEM"});
  retile(4, 5, "ROCK");
  const Cell& c = cell(4, 5);
  EXPECT_EQ(std::tuple(name_of(c.tile_name), name_of(c.graphic_name), name_of(c.child_names[1])),
            std::tuple("ROCK", "rock.png", "GEM"));
  EXPECT_EQ(std::tuple(c.value, c.random_seed, c.rotation_step, c.collision, c.transparency,
                       c.alpha, c.enemy_spawn, c.blend_source, c.blend_destination, c.direction,
                       c.last_named_slot, c.live),
            std::tuple(7, -3, 12, 2, 55, 200, 1, 2, 5, 17, 1, 0));
}

TEST_F(TileDefinitions, MissingKeysAndMissingFilesKeepThePreviousTilesValues) {
  tile_file("A", {"GFXNAME", "a.png", "USECOLLISION", "2", "VALUE1", "9", "CHILD1", "X", "CHILD4",
                  "Y", "USEDIRECTION", "UP", "TRANSPARENCY", "10"});
  tile_file("B", {"CHILD1", "#", "USEDIRECTION", "up", "VALUE1", "3"});
  retile(1, 1, "A");
  retile(1, 1, "B");
  const Cell& c = cell(1, 1);
  EXPECT_EQ(std::tuple(name_of(c.tile_name), name_of(c.graphic_name), c.collision, c.value,
                       c.direction, c.alpha),
            std::tuple("B", "a.png", 2, 3, 19, 245));  // "up" is no direction word
  EXPECT_EQ(name_of(c.child_names[0]), "#");
  EXPECT_EQ(name_of(c.child_names[3]), "Y");  // not named by B: kept
  EXPECT_EQ(c.last_named_slot, 0);            // B names no slot
  retile(1, 1, "NO_SUCH_TILE");
  EXPECT_EQ(std::tuple(name_of(c.tile_name), name_of(c.graphic_name), c.value),
            std::tuple("NO_SUCH_TILE", "a.png", 3));
  // A fresh cell: an empty or missing GFXNAME gives "dummy.png", a missing file nothing.
  tile_file("EMPTY_NAME", {"GFXNAME", ""});
  retile(0, 0, "EMPTY_NAME");
  retile(0, 1, "B");
  retile(0, 2, "NO_SUCH_TILE");
  EXPECT_EQ(std::tuple(cell(0, 0).graphic_name, cell(0, 1).graphic_name, cell(0, 2).graphic_name),
            std::tuple(name::kDummy, name::kDummy, name::kEmpty));
}

TEST_F(TileDefinitions, TheLastChildLineThatIsNotHashDecidesTheLastNamedSlot) {
  tile_file("T1", {"CHILD1", "A", "CHILD2", "B", "CHILD3", "#"});
  tile_file("T2", {"CHILD5", "A", "CHILD3", "#"});
  tile_file("T3", {"CHILD5", "A", "CHILD3", "B"});
  tile_file("T4", {"CHILD1", "#", "CHILD8", "#"});
  tile_file("T5", {"CHILD8", "A", "CHILD8", "#"});
  const std::pair<const char*, int> cases[] = {
      {"T1", 1}, {"T2", 4}, {"T3", 2}, {"T4", 0}, {"T5", 7}};
  for (auto [tile, last] : cases) {
    retile(9, 9, tile);
    EXPECT_EQ(cell(9, 9).last_named_slot, last) << tile;
  }
}

// An unknown graphic keeps the cell's sprite, a known one replaces and frees it; TRANSPARENCY
// 255 (alpha 0) creates the sprite but leaves it at the picture's own size.
TEST_F(TileDefinitions, GraphicsReplaceTheSpriteAndFullTransparencyLeavesItUnzoomed) {
  add_tile_graphic("a.png");
  add_tile_graphic("b.png");
  tile_file("A", {"GFXNAME", "a.png", "TRANSPARENCY", "0"});
  tile_file("HIDDEN", {"GFXNAME", "b.png", "TRANSPARENCY", "255"});
  tile_file("C", {"GFXNAME", "c.png"});
  retile(0, 0, "A");
  const media::Handle first = cell(0, 0).sprite;
  ASSERT_NE(first, 0);
  retile(0, 0, "C");
  EXPECT_EQ(cell(0, 0).sprite, first);
  retile(1, 1, "A");
  const media::Handle replaced = cell(1, 1).sprite;
  retile(1, 1, "HIDDEN");
  EXPECT_FALSE(g.media.gfx.is_sprite3d(replaced));
  EXPECT_EQ(cell(1, 1).alpha, 0);
  retile(6, 6, "C");
  EXPECT_EQ(cell(6, 6).sprite, 0);
  // Drawn opaque, the zoomed sprite covers a whole tile, the other its own 8 x 8 pixels.
  test::open_test_screen(g, 64, 64);
  media::Graphics& gfx = g.media.gfx;
  gfx.clear_screen(media::rgb(0, 0, 0));
  gfx.start_3d();
  gfx.display_sprite3d(cell(0, 0).sprite, 0, 0, 255);
  gfx.display_sprite3d(cell(1, 1).sprite, 32, 32, 255);
  gfx.stop_3d();
  EXPECT_NE(gfx.back_buffer().at(20, 20) & 0xFFFFFFu, 0u);
  EXPECT_NE(gfx.back_buffer().at(39, 39) & 0xFFFFFFu, 0u);
  EXPECT_EQ(gfx.back_buffer().at(50, 50) & 0xFFFFFFu, 0u);
}

// Level builds read each definition once; the cells must come out as without the cache.
TEST_F(TileDefinitions, TheBuildCacheGivesTheSameCellsAndIsDroppedAfterwards) {
  add_kind("GEM", 1);
  add_tile_graphic("a.png");
  tile_file("A", {"GFXNAME", "a.png", "CHILD1", "GEM", "CHILD3", "#", "TRANSPARENCY", "5",
                  "USEDIRECTION", "DOWN", "CHILD2", "GEM"});
  tile_file("B", {"VALUE1", "2", "CHILD2", "#", "USEDIRECTION", "NORTH", "GFXNAME", ""});
  g.world.last_column = 0;
  g.world.last_row = 39;
  auto run = [this] {
    reset_world(g, 0, 39);
    g.media.sys.random_seed(77);
    for (int y = 0; y < 40; ++y) {
      retile(0, y, y % 3 == 0 ? "B" : "A");
      retile(0, y, y % 2 == 0 ? "A" : "B");
    }
    return test::dump_world(g);
  };
  const std::string uncached = run();
  {
    TileDefinitionCacheScope cache(g);
    EXPECT_EQ(run(), uncached);
    EXPECT_EQ(g.catalogue.tile_cache.files.size(), 2u);
  }
  EXPECT_FALSE(g.catalogue.tile_cache.active);
  EXPECT_TRUE(g.catalogue.tile_cache.files.empty());
}

}  // namespace
}  // namespace orv
