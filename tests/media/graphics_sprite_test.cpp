#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/files.h"
#include "media/graphics.h"
#include "support/fake_platform.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::count_drawn;

constexpr Pixel kGrey = argb(255, 50, 50, 50);
constexpr Pixel kWhite = argb(255, 255, 255, 255);
constexpr Pixel kMagenta = argb(255, 255, 0, 255);

class GraphicsSprites : public ::testing::Test {
 protected:
  testing::FakePlatform platform;
  Files files{::testing::TempDir()};
  Graphics gfx{platform, files};

  void SetUp() override {
    Handle w = gfx.open_window(0, 0, 32, 24, "t", 0);
    ASSERT_NE(gfx.open_windowed_screen(w, 0, 0, 32, 24, true), 0);
    gfx.clear_screen(rgb(50, 50, 50));
  }
  Pixel at(int x, int y) const { return gfx.back_buffer().at(x, y) | 0xFF000000u; }
  // Creates a 3D sprite of the sprite and draws it once at (x, y).
  void show(Handle sprite, float x, float y) {
    Handle s3 = gfx.create_sprite3d(sprite);
    ASSERT_NE(s3, 0);
    gfx.start_3d();
    gfx.display_sprite3d(s3, x, y);
    gfx.stop_3d();
  }
  // Three texels: black, magenta, white.
  Handle three_colour_sprite() {
    Image pic(3, 1);
    pic.at(0, 0) = argb(255, 0, 0, 0);
    pic.at(1, 0) = kMagenta;
    pic.at(2, 0) = kWhite;
    return gfx.add_sprite(pic);
  }
};

TEST_F(GraphicsSprites, ZeroUnknownAndFreedHandlesDoNothing) {
  Handle s = gfx.add_sprite(Image(2, 2, kWhite));
  ASSERT_NE(s, 0);
  Handle s3 = gfx.create_sprite3d(s);
  gfx.free_sprite(s);
  gfx.free_sprite3d(s3);
  for (Handle h : {0, 12345, s}) {
    EXPECT_FALSE(gfx.is_sprite(h));
    EXPECT_EQ(gfx.sprite_width(h), 0);
    EXPECT_EQ(gfx.sprite_height(h), 0);
    EXPECT_EQ(gfx.create_sprite3d(h), 0);
    EXPECT_FALSE(gfx.save_sprite(h, ::testing::TempDir() + "/never.bmp"));
    gfx.transparent_sprite_colour(h, 0);
    gfx.free_sprite(h);
  }
  gfx.start_3d();
  for (Handle h : {0, 777, s3}) {
    EXPECT_FALSE(gfx.is_sprite3d(h));
    gfx.zoom_sprite3d(h, 5, 5);
    gfx.rotate_sprite3d(h, 5, 1);
    gfx.display_sprite3d(h, 0, 0);
    gfx.free_sprite3d(h);
  }
  gfx.stop_3d();
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 0);
}

TEST_F(GraphicsSprites, BadPicturesAndMissingFilesGiveZero) {
  EXPECT_EQ(gfx.add_sprite(Image()), 0);
  Image broken(4, 4);
  broken.pixels.resize(5);
  EXPECT_EQ(gfx.add_sprite(broken), 0);
  EXPECT_EQ(gfx.load_sprite(::testing::TempDir() + "/no/such/picture.png", 4), 0);
  const std::string junk = ::testing::TempDir() + "/junk.png";
  std::ofstream(junk) << "not a picture";
  EXPECT_EQ(gfx.load_sprite(junk, 4), 0);
  EXPECT_EQ(gfx.grab_sprite(0, 0, 0, 5), 0);
  EXPECT_EQ(gfx.grab_sprite(0, 0, 5, -1), 0);
  EXPECT_EQ(gfx.grab_sprite(0, 0, 1 << 20, 1 << 20), 0);
}

TEST_F(GraphicsSprites, NewSpritesTakeTheDefaultKeyOfTheirTime) {
  Handle black_keyed = three_colour_sprite();
  gfx.transparent_sprite_colour(-1, rgb(255, 0, 255));
  Handle magenta_keyed = three_colour_sprite();
  show(black_keyed, 0, 0);
  show(magenta_keyed, 0, 1);
  EXPECT_EQ(at(0, 0), kGrey);  // black is the start default
  EXPECT_EQ(at(1, 0), kMagenta);
  EXPECT_EQ(at(0, 1), argb(255, 0, 0, 0));
  EXPECT_EQ(at(1, 1), kGrey);
  EXPECT_EQ(at(2, 1), kWhite);
}

TEST_F(GraphicsSprites, KeyChangeReachesExistingSpritesAndTheir3DSprites) {
  Handle s = three_colour_sprite();
  Handle s3 = gfx.create_sprite3d(s);
  gfx.transparent_sprite_colour(s, rgb(255, 255, 255));
  gfx.free_sprite(s);  // the 3D sprite keeps the pixels it was made from
  gfx.start_3d();
  gfx.display_sprite3d(s3, 4, 4);
  gfx.stop_3d();
  EXPECT_EQ(at(4, 4), argb(255, 0, 0, 0));
  EXPECT_EQ(at(5, 4), kMagenta);
  EXPECT_EQ(at(6, 4), kGrey);
}

TEST_F(GraphicsSprites, DrawsOnlyBetweenStartAndStop) {
  Handle s3 = gfx.create_sprite3d(gfx.add_sprite(Image(2, 2, kWhite)));
  gfx.display_sprite3d(s3, 0, 0);
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 0);
  gfx.start_3d();
  gfx.display_sprite3d(s3, 0, 0, 0);  // invisible
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 0);
  gfx.display_sprite3d(s3, 0, 0);
  gfx.stop_3d();
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 4);
  gfx.display_sprite3d(s3, 10, 10);
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 4);
}

TEST_F(GraphicsSprites, InvalidBlendingKeepsThePreviousOne) {
  Handle s3 = gfx.create_sprite3d(gfx.add_sprite(Image(1, 1, argb(255, 100, 0, 0))));
  gfx.sprite3d_blending(2, 2);  // additive
  gfx.sprite3d_blending(0, 0);
  gfx.sprite3d_blending(5, 99);
  gfx.start_3d();
  gfx.display_sprite3d(s3, 0, 0);
  gfx.stop_3d();
  EXPECT_EQ(at(0, 0), argb(255, 150, 50, 50));
}

TEST_F(GraphicsSprites, GrabbedSpriteSavesAsBottomUpBmp) {
  gfx.box(0, 0, 1, 1, rgb(1, 2, 3));
  gfx.box(1, 1, 1, 1, rgb(4, 5, 6));
  Handle s = gfx.grab_sprite(-1, 0, 3, 2);  // one column left of the screen: black
  ASSERT_NE(s, 0);
  EXPECT_EQ(gfx.sprite_width(s), 3);
  EXPECT_EQ(gfx.sprite_height(s), 2);
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(::testing::TempDir()) / "grab_shots";
  fs::create_directories(dir);
  const std::string file = (dir / "Shot.bmp").string();
  std::ofstream(file) << std::string(500, 'x');  // an older, larger file is replaced
  ASSERT_TRUE(gfx.save_sprite(s, dir.string() + "\\Shot.bmp"));
  std::ifstream in(file, std::ios::binary);
  const Bytes bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  const Bytes bottom(bmp.begin() + 54, bmp.begin() + 66);  // grabbed row 1
  EXPECT_EQ(bottom, (Bytes{0, 0, 0, 50, 50, 50, 6, 5, 4, 0, 0, 0}));
  const Bytes top(bmp.begin() + 66, bmp.end());  // grabbed row 0
  EXPECT_EQ(top, (Bytes{0, 0, 0, 3, 2, 1, 50, 50, 50, 0, 0, 0}));
}

TEST_F(GraphicsSprites, ScreenCaptureStretchShowsTheFrameAndKeyedHoles) {
  constexpr int kW = 32, kH = 24;
  for (int frame = 0; frame < 3; ++frame) {  // later frames reuse the capture's memory
    gfx.clear_screen(rgb(50, 50, 50));
    gfx.box(5, 5, 1, 1, rgb(200, frame, 0));
    gfx.box(10, 10, 1, 1, rgb(255, 0, 255));
    gfx.transparent_sprite_colour(-1, rgb(255, 0, 255));
    Handle grab = gfx.grab_sprite(1, 1, kW - 1, kH - 1);
    Handle capture = gfx.create_sprite3d(grab);
    gfx.zoom_sprite3d(capture, kW, kH);
    gfx.clear_screen(rgb(0, 0, 0));
    gfx.start_3d();
    gfx.display_sprite3d(capture, 0, 0);
    gfx.stop_3d();
    gfx.free_sprite3d(capture);
    gfx.free_sprite(grab);
    // Texel (4, 4) of the 31x23 capture covers pixel (4, 4) of the 32x24 screen.
    EXPECT_EQ(at(4, 4), argb(255, 200, frame, 0));
    EXPECT_EQ(at(9, 9), argb(255, 0, 0, 0));  // the keyed texel shows the clear colour
    EXPECT_EQ(at(20, 15), kGrey);
  }
}

TEST_F(GraphicsSprites, ClearTakesEffectBeforeAnyLaterUse) {
  gfx.clear_screen(rgb(9, 9, 9));
  Handle grey9 = gfx.grab_sprite(0, 0, 2, 2);
  gfx.clear_screen(rgb(1, 1, 1));
  gfx.box(0, 0, 1, 1, rgb(7, 7, 7));
  show(grey9, 4, 4);
  EXPECT_EQ(at(0, 0), argb(255, 7, 7, 7));
  EXPECT_EQ(at(1, 1), argb(255, 1, 1, 1));
  EXPECT_EQ(at(4, 4), argb(255, 9, 9, 9));
}

TEST_F(GraphicsSprites, GrabKeepsItsPixelsWhateverTheScreenDoesNext) {
  gfx.box(0, 0, 4, 4, rgb(90, 0, 0));
  Handle grab = gfx.grab_sprite(0, 0, 4, 4);
  Handle s3 = gfx.create_sprite3d(grab);
  gfx.box(0, 0, 4, 4, rgb(0, 90, 0));  // drawing over the grabbed area
  const std::string file = ::testing::TempDir() + "/grab_keeps.bmp";
  ASSERT_TRUE(gfx.save_sprite(grab, file));
  std::ifstream in(file, std::ios::binary);
  const Bytes bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bmp.size(), 54u + 4 * 12);
  EXPECT_EQ(bmp[54 + 2], 90);  // red of the bottom-left pixel
  gfx.free_sprite(grab);       // the 3D sprite keeps drawing it
  Handle second = gfx.grab_sprite(0, 0, 4, 4);
  ASSERT_NE(second, 0);
  gfx.clear_screen(rgb(1, 1, 1));
  gfx.start_3d();
  gfx.display_sprite3d(s3, 10, 10);
  gfx.display_sprite3d(gfx.create_sprite3d(second), 20, 10);
  gfx.stop_3d();
  EXPECT_EQ(at(11, 11), argb(255, 90, 0, 0));
  EXPECT_EQ(at(21, 11), argb(255, 0, 90, 0));
  EXPECT_EQ(at(0, 0), argb(255, 1, 1, 1));
}

// A 4x2 sprite with distinct texels, for following where each texel lands.
Image numbered() {
  Image pic(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) pic.at(x, y) = argb(255, 10 + 30 * x, 100 + 50 * y, 9);
  return pic;
}

TEST_F(GraphicsSprites, RotationTurnsClockwiseAboutTheCentreAndAccumulates) {
  const Image pic = numbered();
  Handle s3 = gfx.create_sprite3d(gfx.add_sprite(pic));
  auto turned_quarter = [&](float x, float y) {
    // Drawn at (x, y), the quarter-turned 4x2 quad covers x + 1 .. x + 2, y - 1 .. y + 2.
    for (int v = 0; v < 2; ++v)
      for (int u = 0; u < 4; ++u)
        if (at(int(x) + 2 - v, int(y) - 1 + u) != pic.at(u, v)) return false;
    return true;
  };
  gfx.start_3d();
  gfx.rotate_sprite3d(s3, 45, 1);
  gfx.rotate_sprite3d(s3, 45, 1);
  gfx.display_sprite3d(s3, 2, 2);
  EXPECT_TRUE(turned_quarter(2, 2));
  gfx.zoom_sprite3d(s3, 4, 2);  // upright again, the angle is kept
  gfx.display_sprite3d(s3, 10, 2);
  EXPECT_EQ(at(10, 2), pic.at(0, 0));
  gfx.rotate_sprite3d(s3, 0, 1);  // back to the kept 90 degrees
  gfx.display_sprite3d(s3, 16, 2);
  EXPECT_TRUE(turned_quarter(16, 2));
  gfx.rotate_sprite3d(s3, 90, 0);  // absolute: turned, accumulated angle cleared
  gfx.rotate_sprite3d(s3, 0, 1);
  gfx.display_sprite3d(s3, 22, 2);
  EXPECT_EQ(at(22, 2), pic.at(0, 0));
  gfx.stop_3d();
}

TEST_F(GraphicsSprites, ZoomAndQualityChangeTheDrawnSize) {
  Image pic(2, 1);
  pic.at(0, 0) = argb(255, 0, 0, 10);
  pic.at(1, 0) = argb(255, 200, 0, 10);
  Handle s3 = gfx.create_sprite3d(gfx.add_sprite(pic));
  gfx.zoom_sprite3d(s3, 8, 2);
  gfx.start_3d();
  gfx.display_sprite3d(s3, 0, 0);
  gfx.sprite3d_quality(1);
  gfx.display_sprite3d(s3, 0, 4);
  gfx.zoom_sprite3d(s3, std::numeric_limits<float>::quiet_NaN(), 1e30f);  // ignored or clipped
  gfx.rotate_sprite3d(s3, std::numeric_limits<float>::infinity(), 1);
  gfx.display_sprite3d(s3, 0, 8);
  gfx.stop_3d();
  EXPECT_EQ(at(3, 0), pic.at(0, 0));
  EXPECT_EQ(at(4, 1), pic.at(1, 0));
  EXPECT_EQ(at(8, 0), kGrey);
  const int smooth_red = testing::red(at(3, 4));
  EXPECT_GT(smooth_red, 0);
  EXPECT_LT(smooth_red, 200);
  EXPECT_EQ(at(0, 8), pic.at(0, 0));  // still drawn at 8x2
}

}  // namespace
}  // namespace orv::media
