#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/game.h"
#include "screens/folder_scans.h"
#include "support/assets_fixture.h"

namespace orv {
namespace {

using test::Assets;

// A broken picture is listed without an image; subfolders are skipped.
TEST_F(Assets, TileGraphicsAreFoundByTheirFileName) {
  t.dir.write("DATA/TOPO/broken.png", "not a picture");
  t.dir.write("DATA/TOPO/inner/deep.png", "");
  scan_tile_graphics(g);
  ASSERT_EQ(g.assets.tile_graphics.size(), 10u);
  const TileGraphic* wall = tile_graphic("wall.png");
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(g.media.gfx.sprite_width(wall->image), 8);
  EXPECT_EQ(tile_graphic("broken.png")->image, 0);
  EXPECT_EQ(tile_graphic("deep.png"), nullptr);
}

// Count + 1 copies of every picture, moving 1 to 6 pixels a frame; a count of -1 loads none.
TEST_F(Assets, DriftSpritesAreCountPlusOneCopiesInsideTheScreen) {
  g.config.egfx_max = 2;
  g.config.scre_gfx_max = 0;
  t.dir.write("DATA/EFFECTS/second.png", t.dir.read("DATA/EFFECTS/spark.png"));
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  ASSERT_EQ(g.assets.effect_sprites.size(), 6u);
  ASSERT_EQ(g.assets.screen_sprites.size(), 1u);
  for (const DriftSprite& d : g.assets.effect_sprites)
    EXPECT_TRUE(d.velocity_x >= 1 && d.velocity_x <= 6 && d.velocity_y >= 1 && d.velocity_y <= 6);
  g.config.egfx_max = -1;
  scan_effect_sprites(g);
  EXPECT_TRUE(g.assets.effect_sprites.empty());
}

}  // namespace
}  // namespace orv
