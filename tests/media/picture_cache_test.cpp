// Sprites loaded from one file share one decoded picture and one keyed texture; decoded
// pictures stay within their memory budget.
#include <gtest/gtest.h>

#include <fstream>

#include "media/graphics.h"
#include "media/platform_headless/headless_platform.h"
#include "support/files_temp_folder.h"
#include "support/png_writer.h"

namespace orv::media {
namespace {

class PictureCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gfx.open_windowed_screen(gfx.open_window(16, 16, "t"), 16, 16));
  }
  std::string picture(const std::string& name, int width, int height) {
    std::ofstream(dir / name, std::ios::binary) << test::blank_grey_png(width, height);
    return dir / name;
  }
  void draw(SpriteId sprite) {
    const auto s3 = gfx.create_sprite3d(sprite);
    gfx.start_3d();
    gfx.display_sprite3d(s3, 0, 0);
    gfx.stop_3d();
    gfx.free_sprite3d(s3);
  }
  PictureCache& cache() { return gfx.picture_cache(); }

  testing::FilesTempFolder dir;
  HeadlessPlatform platform;
  Graphics gfx{platform};
};

// Two loads of one path decode once; each copy is a sprite of its own that can be freed and
// keyed on its own; once the last copy is freed the memory is gone and a load decodes again.
TEST_F(PictureCacheTest, LoadsOfOnePathShareOneDecode) {
  const std::string file = picture("a.png", 8, 4);
  const auto first = gfx.load_sprite(file);
  const auto second = gfx.load_sprite(file);
  ASSERT_TRUE(first && second && first != second);
  EXPECT_EQ(cache().decode_count(), 1u);
  EXPECT_EQ(cache().decoded_bytes(), 8u * 4 * 4);
  gfx.free_sprite(first);
  EXPECT_FALSE(gfx.is_sprite(first));
  EXPECT_EQ(gfx.sprite_width(second), 8);
  EXPECT_EQ(cache().decoded_bytes(), 8u * 4 * 4);
  gfx.free_sprite(second);
  EXPECT_EQ(cache().decoded_bytes(), 0u);
  EXPECT_TRUE(gfx.load_sprite(file));
  EXPECT_EQ(cache().decode_count(), 2u);
}

// The picture is black: keyed with black it draws nothing, with magenta it draws everywhere,
// whichever copy made its keyed texture first.
TEST_F(PictureCacheTest, CopiesWithDifferentKeysDrawTheirOwnWay) {
  const std::string file = picture("black.png", 16, 16);
  gfx.transparent_sprite_colour(kNewSprites, rgb(0, 0, 0));
  const auto keyed_black = gfx.load_sprite(file);
  const auto keyed_again = gfx.load_sprite(file);
  gfx.transparent_sprite_colour(kNewSprites, rgb(255, 0, 255));
  const auto keyed_magenta = gfx.load_sprite(file);
  const auto drawn = [&](SpriteId sprite) {
    gfx.clear_screen(rgb(9, 9, 9));
    draw(sprite);
    return gfx.back_buffer().at(5, 5) & 0xFFFFFFu;
  };
  EXPECT_EQ(drawn(keyed_black), 0x090909u);
  EXPECT_EQ(drawn(keyed_magenta), 0u);
  EXPECT_EQ(drawn(keyed_again), 0x090909u);
  gfx.transparent_sprite_colour(keyed_again, rgb(255, 0, 255));
  EXPECT_EQ(drawn(keyed_again), 0u);
  EXPECT_EQ(drawn(keyed_black), 0x090909u);
  EXPECT_EQ(cache().decode_count(), 1u);
}

// A picture that would take the decoded pictures past the budget loads as missing, and stays
// so without being decoded again while the memory is held; pictures within the budget still
// load, and the refused one loads once freeing the others leaves room for it.
TEST_F(PictureCacheTest, PicturesPastTheBudgetActAsMissing) {
  cache().set_budget(64 * 64 * 4 + 100);
  const auto big = gfx.load_sprite(picture("big.png", 64, 64));
  ASSERT_TRUE(big);
  const std::string more = picture("more.png", 32, 32);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(gfx.load_sprite(more));
  EXPECT_FALSE(gfx.load_sprite(more));
  const std::string log = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("more.png"), std::string::npos) << log;
  EXPECT_EQ(log.find("more.png"), log.rfind("more.png")) << "logged once: " << log;
  EXPECT_EQ(cache().decode_count(), 2u);
  EXPECT_TRUE(gfx.load_sprite(picture("small.png", 4, 4)));
  EXPECT_LE(cache().decoded_bytes(), 64u * 64 * 4 + 100);
  gfx.free_sprite(big);
  ::testing::internal::CaptureStderr();
  const auto later = gfx.load_sprite(more);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ASSERT_TRUE(later);
  EXPECT_EQ(gfx.sprite_width(later), 32);
  EXPECT_EQ(cache().decode_count(), 4u);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(gfx.load_sprite(picture("big2.png", 64, 64))) << "the budget still holds";
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace orv::media
