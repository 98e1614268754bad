#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "catalogue/placement.h"
#include "catalogue/tile_definitions.h"
#include "frame/game.h"
#include "support/world_test.h"

namespace orv {
namespace {

class TileDefinitions : public test::WorldTest {};

TEST_F(TileDefinitions, EveryKeySetsItsField) {
  tile_file("ROCK", {"GFXNAME",      "rock.png", "VALUE1",       "7",    "RANDOMSEED",   "-3",
                     "ROTATE",       "12",       "USECOLLISION", "258",  "TRANSPARENCY", "55",
                     "USEENEMY",     "1",        "DX1",          "2",    "DX2",          "5",
                     "USEDIRECTION", "LEFT",     "INTERNALNAME", "rock", "CHILD2",       "GEM"});
  retile(4, 5, "ROCK");
  const Cell& c = cell(4, 5);
  EXPECT_EQ(std::tuple(name_of(c.tile_name), name_of(c.graphic_name), name_of(c.child_names[1])),
            std::tuple("ROCK", "rock.png", "GEM"));
  EXPECT_EQ(std::vector<int>({c.value, c.random_seed, c.rotation_step, c.collision, c.transparency,
                              c.alpha, c.enemy_spawn, c.blend_source, c.blend_destination,
                              c.direction, c.last_named_slot, c.live}),
            std::vector<int>({7, -3, 12, 2, 55, 200, 1, 2, 5, 17, 1, 0}));
}

TEST_F(TileDefinitions, MissingKeysKeepThePreviousTilesValues) {
  tile_file("A", {"GFXNAME", "a.png", "USECOLLISION", "2", "VALUE1", "9", "CHILD1", "X", "CHILD4",
                  "Y", "USEDIRECTION", "UP", "TRANSPARENCY", "10"});
  tile_file("B", {"CHILD1", "#", "USEDIRECTION", "up", "VALUE1", "3"});
  retile(1, 1, "A");
  retile(1, 1, "B");
  const Cell& c = cell(1, 1);
  EXPECT_EQ(name_of(c.tile_name), "B");
  EXPECT_EQ(name_of(c.graphic_name), "a.png");
  EXPECT_EQ(c.collision, 2);
  EXPECT_EQ(c.value, 3);
  EXPECT_EQ(c.direction, 19);  // "up" is no direction word
  EXPECT_EQ(c.alpha, 245);
  EXPECT_EQ(name_of(c.child_names[0]), "#");
  EXPECT_EQ(name_of(c.child_names[3]), "Y");  // not named by B: kept
  EXPECT_EQ(c.last_named_slot, 0);            // B names no slot
}

TEST_F(TileDefinitions, AMissingFileChangesNothing) {
  tile_file("A", {"GFXNAME", "a.png", "VALUE1", "9"});
  retile(2, 2, "A");
  retile(2, 2, "NO_SUCH_TILE");
  EXPECT_EQ(name_of(cell(2, 2).tile_name), "NO_SUCH_TILE");
  EXPECT_EQ(name_of(cell(2, 2).graphic_name), "a.png");
  EXPECT_EQ(cell(2, 2).value, 9);
  retile(3, 3, "NO_SUCH_TILE");
  EXPECT_EQ(cell(3, 3).graphic_name, name::kEmpty);  // no file: not even dummy.png
}

TEST_F(TileDefinitions, NoGraphicNameGivesDummyInAFreshCellOnly) {
  tile_file("EMPTY_NAME", {"GFXNAME", ""});
  tile_file("NO_NAME", {"VALUE1", "1"});
  tile_file("NAMED", {"GFXNAME", "n.png"});
  retile(0, 0, "EMPTY_NAME");
  retile(0, 1, "NO_NAME");
  retile(0, 2, "NAMED");
  retile(0, 2, "NO_NAME");
  EXPECT_EQ(cell(0, 0).graphic_name, name::kDummy);
  EXPECT_EQ(cell(0, 1).graphic_name, name::kDummy);
  EXPECT_EQ(name_of(cell(0, 2).graphic_name), "n.png");
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

TEST_F(TileDefinitions, KeysAreCaseSensitiveAndUntrimmed) {
  tile_file("T", {"gfxname", "x.png", "VALUE1 ", "4", "USECOLLISION", "1"});
  retile(1, 2, "T");
  EXPECT_EQ(cell(1, 2).graphic_name, name::kDummy);
  EXPECT_EQ(cell(1, 2).value, 0);
  EXPECT_EQ(cell(1, 2).collision, 1);
}

TEST_F(TileDefinitions, FullTransparencyCreatesTheSpriteButLeavesItUnzoomed) {
  add_tile_graphic("g.png", 8, 8);
  tile_file("SEEN", {"GFXNAME", "g.png", "TRANSPARENCY", "0"});
  tile_file("HIDDEN", {"GFXNAME", "g.png", "TRANSPARENCY", "255"});
  retile(0, 0, "SEEN");
  retile(1, 0, "HIDDEN");
  ASSERT_NE(cell(0, 0).sprite, 0);
  ASSERT_NE(cell(1, 0).sprite, 0);
  EXPECT_EQ(cell(1, 0).alpha, 0);
  // Drawn opaque, the zoomed sprite covers a whole tile, the other its own 8 x 8 pixels.
  t.platform.set_desktop({64, 64, 24, 60});
  g.config.res_base_w = g.config.res_base_h = 64;
  media::Graphics& gfx = g.media.gfx;
  ASSERT_NE(gfx.open_windowed_screen(gfx.open_window(0, 0, 64, 64, "", 0), 0, 0, 64, 64, true), 0);
  gfx.clear_screen(media::rgb(0, 0, 0));
  gfx.start_3d();
  gfx.display_sprite3d(cell(0, 0).sprite, 0, 0, 255);
  gfx.display_sprite3d(cell(1, 0).sprite, 32, 32, 255);
  gfx.stop_3d();
  EXPECT_NE(gfx.back_buffer().at(20, 20) & 0xFFFFFFu, 0u);
  EXPECT_NE(gfx.back_buffer().at(39, 39) & 0xFFFFFFu, 0u);
  EXPECT_EQ(gfx.back_buffer().at(50, 50) & 0xFFFFFFu, 0u);
}

TEST_F(TileDefinitions, AnUnknownGraphicKeepsTheSpriteAndAKnownOneReplacesIt) {
  add_tile_graphic("a.png");
  add_tile_graphic("b.png");
  tile_file("A", {"GFXNAME", "a.png"});
  tile_file("B", {"GFXNAME", "b.png"});
  tile_file("C", {"GFXNAME", "c.png"});
  retile(5, 5, "A");
  const media::Handle first = cell(5, 5).sprite;
  ASSERT_NE(first, 0);
  retile(5, 5, "C");
  EXPECT_EQ(cell(5, 5).sprite, first);
  retile(5, 5, "B");
  EXPECT_NE(cell(5, 5).sprite, first);
  EXPECT_FALSE(g.media.gfx.is_sprite3d(first));
  retile(6, 6, "C");
  EXPECT_EQ(cell(6, 6).sprite, 0);
}

TEST_F(TileDefinitions, TheBuildCacheGivesTheSameCellsAndIsDroppedAfterwards) {
  add_kind("GEM", 1);
  add_tile_graphic("a.png");
  tile_file("A", {"GFXNAME", "a.png", "CHILD1", "GEM", "CHILD3", "#", "TRANSPARENCY", "5",
                  "USEDIRECTION", "DOWN", "CHILD2", "GEM"});
  tile_file("B", {"VALUE1", "2", "CHILD2", "#", "USEDIRECTION", "NORTH", "GFXNAME", ""});
  auto run = [this](int column) {
    g.media.sys.random_seed(77);
    for (int y = 0; y < 40; ++y) {
      retile(column, y, y % 3 == 0 ? "B" : "A");
      retile(column, y, y % 2 == 0 ? "A" : "B");
    }
  };
  run(0);
  const std::size_t uncached_objects = g.world.objects.size();
  {
    TileDefinitionCacheScope cache(g);
    run(1);
    EXPECT_EQ(g.catalogue.tile_cache.files.size(), 2u);
  }
  EXPECT_EQ(g.world.objects.size(), 2 * uncached_objects);
  for (int y = 0; y < 40; ++y) {
    const Cell& a = cell(0, y);
    const Cell& b = cell(1, y);
    EXPECT_EQ(a.child_names, b.child_names) << y;
    for (int k = 0; k < kChildSlots; ++k)
      EXPECT_EQ(a.child_objects[k] < 0, b.child_objects[k] < 0) << y << " " << k;
    EXPECT_EQ(a.last_named_slot, b.last_named_slot);
    EXPECT_EQ(a.last_placed_slot, b.last_placed_slot);
    EXPECT_EQ(a.graphic_name, b.graphic_name);
    EXPECT_EQ(a.alpha, b.alpha);
    EXPECT_EQ(a.direction, b.direction);
    EXPECT_EQ(a.value, b.value);
  }
  EXPECT_FALSE(g.catalogue.tile_cache.active);
  EXPECT_TRUE(g.catalogue.tile_cache.files.empty());
  tile_file("A", {"VALUE1", "44"});
  retile(2, 0, "A");
  EXPECT_EQ(cell(2, 0).value, 44);
}

}  // namespace
}  // namespace orv
