#include <gtest/gtest.h>

#include "game/game.h"
#include "screens/folder_scans.h"
#include "support/assets_fixture.h"
#include "support/png_writer.h"

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
  EXPECT_EQ(g.media.gfx.sprite_width(wall->sprite), 8);
  EXPECT_FALSE(tile_graphic("broken.png")->sprite);
  EXPECT_EQ(tile_graphic("deep.png"), nullptr);
}

// Count + 1 copies of every picture, moving 1 to 6 pixels a frame; a count of -1 loads none.
TEST_F(Assets, DriftSpritesAreCountPlusOneCopiesInsideTheScreen) {
  g.config.effect_sprite_copies = 2, g.config.screen_sprite_copies = 0;
  t.dir.write("DATA/EFFECTS/second.png", t.dir.read("DATA/EFFECTS/spark.png"));
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  ASSERT_EQ(g.assets.effect_sprites.size(), 6u);
  ASSERT_EQ(g.assets.screen_sprites.size(), 1u);
  for (const DriftSprite& d : g.assets.effect_sprites)
    EXPECT_TRUE(d.velocity_x >= 1 && d.velocity_x <= 6 && d.velocity_y >= 1 && d.velocity_y <= 6);
  g.config.effect_sprite_copies = -1;
  scan_effect_sprites(g);
  EXPECT_TRUE(g.assets.effect_sprites.empty());
}

// A small file of a huge picture, fifty-one copies: decoded once, within the budget.
TEST_F(Assets, CopiesOfAHugeDriftPictureShareOneDecode) {
  g.config.effect_sprite_copies = 50;
  t.dir.write("DATA/EFFECTS/huge.png", media::test::blank_grey_png(16384, 4096));
  ASSERT_LT(t.dir.read("DATA/EFFECTS/huge.png").size(), 100'000u);
  media::PictureCache& pictures = g.media.gfx.picture_cache();
  const std::size_t before = pictures.decoded_bytes();
  const std::size_t decodes = pictures.decode_count();
  scan_effect_sprites(g);
  ASSERT_EQ(g.assets.effect_sprites.size(), 102u);
  EXPECT_EQ(pictures.decode_count() - decodes, 2u);  // spark.png and huge.png
  const std::size_t huge = std::size_t(16384) * 4096 * 4;
  EXPECT_GE(pictures.decoded_bytes() - before, huge);
  EXPECT_LT(pictures.decoded_bytes() - before, huge + (1u << 20));
  EXPECT_LE(pictures.decoded_bytes(), media::PictureCache::kDefaultBudgetBytes);
}

}  // namespace
}  // namespace orv
