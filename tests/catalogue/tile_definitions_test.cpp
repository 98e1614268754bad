#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "catalogue/cell_zoom.h"
#include "catalogue/tile_definitions.h"
#include "game/game.h"
#include "support/world_fixture.h"

namespace orv {
namespace {

using TileDefinitions = test::WorldTest;

// Keys are exact: a lower-case key and one with a trailing blank are skipped with their value.
TEST_F(TileDefinitions, OnlyExactKeysSetTheirFields) {
  tile_file("ROCK", {"GFXNAME",      "rock.png", "VALUE1",       "7",   "RANDOMSEED",   "-3",
                     "ROTATE",       "12",       "USECOLLISION", "258", "TRANSPARENCY", "55",
                     "USEENEMY",     "1",        "DX1",          "2",   "DX2",          "5",
                     "gfxname",      "x.png",    "VALUE1 ",      "4",   "USEDIRECTION", "LEFT",
                     "INTERNALNAME", "rock",     "CHILD2",       "GEM"});
  retile(4, 5, "ROCK");
  const Cell& c = cell(4, 5);
  EXPECT_EQ(std::tuple(name_of(g.world.grid.tile_name(4, 5)), name_of(c.graphic_name),
                       name_of(c.child_names[1])),
            std::tuple("ROCK", "rock.png", "GEM"));
  EXPECT_EQ(std::tuple(c.value, c.rotation_step, c.collision, c.alpha, c.enemy_spawn,
                       c.blend_source, c.blend_destination, c.last_named_slot, c.live),
            std::tuple(7, 12, 2, 200, 1, 2, 5, 1, 0));
}

TEST_F(TileDefinitions, MissingKeysOrFilesKeepThePreviousTilesValues) {
  tile_file("A", {"GFXNAME", "a.png", "USECOLLISION", "2", "VALUE1", "9", "CHILD1", "X", "CHILD4",
                  "Y", "USEDIRECTION", "UP", "TRANSPARENCY", "10"});
  tile_file("B", {"CHILD1", "#", "USEDIRECTION", "up", "VALUE1", "3"});
  retile(1, 1, "A");
  retile(1, 1, "B");
  const Cell& c = cell(1, 1);
  EXPECT_EQ(std::tuple(name_of(g.world.grid.tile_name(1, 1)), name_of(c.graphic_name), c.collision,
                       c.value, c.alpha),
            std::tuple("B", "a.png", 2, 3, 245));
  EXPECT_EQ(name_of(c.child_names[0]), "#");
  EXPECT_EQ(name_of(c.child_names[3]), "Y");  // not named by B: kept
  EXPECT_EQ(c.last_named_slot, 0);            // B names no slot
  retile(1, 1, "NO_SUCH_TILE");
  EXPECT_EQ(std::tuple(name_of(g.world.grid.tile_name(1, 1)), name_of(c.graphic_name), c.value),
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
  for (auto [tile, last] : {std::pair{"T1", 1}, {"T2", 4}, {"T3", 2}}) {
    retile(9, 9, tile);
    EXPECT_EQ(cell(9, 9).last_named_slot, last) << tile;
  }
}

// During a build runs of one tile reuse the definition read last: whatever was read in between
// (another tile, an unknown or unsafe name, a file loaded by its path) must not leave a cell
// with the wrong definition.
TEST_F(TileDefinitions, ABuildsCachedDefinitionsFollowEveryTileName) {
  tile_file("A", {"GFXNAME", "a.png", "VALUE1", "1"});
  tile_file("B", {"GFXNAME", "b.png", "VALUE1", "2"});
  TileDefinitionCacheScope cache(g);
  const std::pair<const char*, int> cases[] = {{"A", 1},    {"A", 1}, {"B", 2},    {"A", 1},
                                               {"NOPE", 1}, {"A", 1}, {"../A", 1}, {"B", 2}};
  int x = 0;
  for (auto [tile, value] : cases) {
    cell(x, 0).value = cell(x - 1, 0).value;  // an unknown tile keeps the value the cell has
    retile(x, 0, tile);
    EXPECT_EQ(cell(x, 0).value, value) << x << " " << tile;
    ++x;
  }
  retile(x, 0, "B");
  load_tile_definition(g, x, 0, g.config.tile_definitions_path + g.config.level_set_name + "\\A");
  EXPECT_EQ(cell(x, 0).value, 1);
  retile(x + 1, 0, "B");  // the last file read is A's now, though the last tile retiled was B
  EXPECT_EQ(cell(x + 1, 0).value, 2);
}

// An unknown graphic keeps the cell's sprite and angle; a known one gives the cell the 3D sprite
// all cells of that graphic share, turned afresh, and leaves the sprite of the old one alone.
TEST_F(TileDefinitions, CellsOfOneGraphicShareItsSprite) {
  add_tile_graphic("a.png");
  add_tile_graphic("b.png");
  tile_file("A", {"GFXNAME", "a.png", "TRANSPARENCY", "0"});
  tile_file("B", {"GFXNAME", "b.png"});
  tile_file("C", {"GFXNAME", "c.png"});
  retile(0, 0, "A");
  const media::Sprite3dId first = cell(0, 0).sprite3d;
  ASSERT_TRUE(first);
  cell(0, 0).angle = 30;
  retile(0, 0, "C");
  EXPECT_EQ(std::pair(cell(0, 0).sprite3d, cell(0, 0).angle), std::pair(first, 30.0f));
  retile(1, 1, "A");
  EXPECT_EQ(cell(1, 1).sprite3d, first);
  retile(1, 1, "B");
  EXPECT_NE(cell(1, 1).sprite3d, first);
  EXPECT_TRUE(g.media.gfx.is_sprite3d(first));
  retile(0, 0, "B");
  EXPECT_EQ(std::pair(cell(0, 0).sprite3d, cell(0, 0).angle), std::pair(cell(1, 1).sprite3d, 0.0f));
  retile(6, 6, "C");
  EXPECT_FALSE(cell(6, 6).sprite3d);
}

// A cell with alpha 0 or less keeps the picture's own size whatever other cells of the same
// graphic do: zooming them, retiling them, or zooming the whole level. A cell zoomed before its
// alpha dropped stays zoomed; one whose later graphic was unknown keeps its earlier sprite.
TEST_F(TileDefinitions, UnzoomedCellsKeepThePicturesSizeBesideZoomedOnes) {
  add_tile_graphic("a.png", 8, 6);
  tile_file("Z", {"GFXNAME", "a.png", "TRANSPARENCY", "0"});
  tile_file("N", {"GFXNAME", "a.png", "TRANSPARENCY", "255"});
  tile_file("U", {"GFXNAME", "unknown.png", "TRANSPARENCY", "0"});
  const auto size = [&](int x, int y) { return g.media.gfx.sprite3d_size(cell(x, y).sprite3d); };
  const std::pair tile(32.0f, 32.0f), own(8.0f, 6.0f);
  retile(1, 1, "N");
  EXPECT_EQ(size(1, 1), own);
  retile(0, 0, "Z");
  retile(2, 1, "Z");
  EXPECT_EQ(std::tuple(size(0, 0), size(1, 1)), std::tuple(tile, own));
  retile(3, 3, "N");
  retile(4, 4, "N");
  retile(4, 4, "U");
  g.world.last_column = g.world.last_row = 5;
  rezoom_level_cells(g);
  EXPECT_EQ(std::tuple(size(1, 1), size(3, 3), size(4, 4), size(2, 1)),
            std::tuple(own, own, tile, tile));
  cell(2, 1).alpha = 0;
  retile(1, 1, "N");
  rezoom_level_cells(g);
  EXPECT_EQ(std::tuple(size(1, 1), size(3, 3), size(2, 1)), std::tuple(own, own, tile));
}

}  // namespace
}  // namespace orv
