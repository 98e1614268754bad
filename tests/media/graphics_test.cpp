// Window, back buffer and frame pacing; sprites, colour keys, grabs and 3D sprites on a screen.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <tuple>
#include <vector>

#include "media/graphics.h"
#include "media/platform_headless/headless_platform.h"
#include "support/files_temp_folder.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::count_drawn;

constexpr std::int64_t kFrameNs = 16'666'667;
constexpr Pixel kGrey = argb(255, 50, 50, 50);
constexpr Pixel kBlack = argb(255, 0, 0, 0);
constexpr Pixel kWhite = argb(255, 255, 255, 255);
constexpr Pixel kMagenta = argb(255, 255, 0, 255);

// A 32x24 screen cleared to grey.
class GraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto w = gfx.open_window(32, 24, "t");
    ASSERT_TRUE(gfx.open_windowed_screen(w, 32, 24));
    gfx.clear_screen(rgb(50, 50, 50));
  }
  Pixel at(int x, int y) const { return gfx.back_buffer().at(x, y) | 0xFF000000u; }
  void draw(Sprite3dId s3, float x, float y, int alpha = 255) {
    gfx.start_3d();
    gfx.display_sprite3d(s3, x, y, alpha);
    gfx.stop_3d();
  }
  SpriteId sprite_of(std::initializer_list<Pixel> row) {
    Image pic(int(row.size()), 1);
    pic.pixels.assign(row);
    return gfx.add_sprite(pic);
  }

  HeadlessPlatform platform;
  Graphics gfx{platform};
};

TEST(GraphicsWindow, FlipShowsTheBackBufferOnlyOnAnOpenScreen) {
  HeadlessPlatform platform;
  Graphics gfx(platform);
  platform.set_window_available(false);
  EXPECT_FALSE(gfx.open_window(32, 24, "t"));
  platform.set_window_available(true);
  EXPECT_FALSE(gfx.open_window(1 << 20, 1 << 20, "t"));
  auto window = gfx.open_window(32, 24, "t");
  platform.set_screen_available(false);
  EXPECT_FALSE(gfx.open_windowed_screen(window, 32, 24));
  gfx.flip_buffers();
  EXPECT_EQ(platform.frame(), 0);  // nothing is shown without a screen
  platform.set_screen_available(true);
  ASSERT_TRUE(gfx.open_windowed_screen(window, 32, 24));
  gfx.clear_screen(rgb(1, 2, 3));
  gfx.box(28, 20, 10, 10, rgb(255, 0, 0));  // clipped to 4x4
  gfx.flip_buffers();
  const Image& shown = platform.last_presented();
  ASSERT_EQ(std::pair(shown.width, shown.height), std::pair(32, 24));
  EXPECT_EQ(shown.at(31, 23) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown.at(27, 23) & 0xFFFFFF, 0x010203u);
}

// Records the deadlines the pacer sleeps to.
class DeadlinePlatform : public HeadlessPlatform {
 public:
  void sleep_until_ns(std::int64_t deadline_ns) override {
    deadlines.push_back(deadline_ns);
    HeadlessPlatform::sleep_until_ns(deadline_ns);
  }
  std::vector<std::int64_t> deadlines;
};

// Frames sleep to absolute 60 Hz slots whatever their work; a frame a little late runs at once
// and the next is back on its slot. Progress pictures never wait.
TEST(GraphicsPacing, FramesKeepToAbsoluteSixtyHertzSlots) {
  DeadlinePlatform platform;
  Graphics gfx(platform);
  platform.sleep_ns(5'000'000);
  ASSERT_TRUE(gfx.open_windowed_screen(gfx.open_window(32, 24, "t"), 32, 24));
  for (int i = 0; i < 120; ++i) {
    platform.sleep_ns(3'000'000 + i % 3 * 4'000'000);  // uneven work
    gfx.flip_buffers();
  }
  EXPECT_EQ(std::vector(platform.deadlines.begin(), platform.deadlines.begin() + 3),
            (std::vector<std::int64_t>{5'000'000 + kFrameNs, 5'000'000 + 2 * kFrameNs,
                                       5'000'000 + 3 * kFrameNs}));
  EXPECT_NEAR(double(platform.now_ns()), 2.005e9, 1e3);
  platform.sleep_ns(30'000'000);
  std::int64_t before = platform.now_ns();
  gfx.flip_buffers();
  EXPECT_EQ(platform.now_ns(), before);
  gfx.flip_buffers();
  EXPECT_NEAR(double(platform.now_ns()), 5e6 + 122.0 * kFrameNs, 2);
  const std::int64_t frame = platform.frame();
  before = platform.now_ns();
  for (int i = 0; i < 100; ++i) gfx.show_progress();  // a build shows its bar many times
  EXPECT_EQ(std::pair(platform.frame() - frame, platform.now_ns()), std::pair(100L, before));
  platform.sleep_ns(40'000'000);  // after them a frame gets a whole slot instead of catching up
  gfx.flip_buffers();
  EXPECT_EQ(platform.now_ns(), before + 40'000'000 + kFrameNs);
  platform.sleep_ns(1'000'000'000);  // a stall: no racing through the missed frames
  gfx.flip_buffers();
  before = platform.now_ns();
  gfx.flip_buffers();
  EXPECT_EQ(platform.now_ns() - before, kFrameNs);
}

TEST_F(GraphicsTest, ZeroUnknownOrFreedHandlesDoNothing) {
  auto s = gfx.add_sprite(Image(2, 2, kWhite));
  auto s3 = gfx.create_sprite3d(s);
  gfx.free_sprite(s);
  gfx.free_sprite3d(s3);
  for (SpriteId h : {SpriteId(0), SpriteId(12345), s}) {
    EXPECT_FALSE(gfx.is_sprite(h));
    EXPECT_EQ(gfx.sprite_width(h) + gfx.sprite_height(h) + gfx.create_sprite3d(h).value, 0);
    EXPECT_FALSE(gfx.save_sprite(h, ::testing::TempDir() + "/never.bmp"));
    gfx.transparent_sprite_colour(h, 0);
    gfx.free_sprite(h);
  }
  for (Sprite3dId h : {Sprite3dId(0), Sprite3dId(777), s3}) {
    EXPECT_FALSE(gfx.is_sprite3d(h));
    gfx.zoom_sprite3d(h, 5, 5);
    gfx.rotate_sprite3d(h, 5, 1);
    draw(h, 0, 0);
    gfx.free_sprite3d(h);
  }
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 0);

  Image broken(4, 4);
  broken.pixels.resize(5);
  std::ofstream(::testing::TempDir() + "/junk.png") << "not a picture";
  EXPECT_EQ(
      gfx.add_sprite(broken).value + gfx.load_sprite(::testing::TempDir() + "/junk.png").value, 0);
  EXPECT_EQ(gfx.grab_sprite(0, 0, 0, 5).value + gfx.grab_sprite(0, 0, 1 << 20, 1 << 20).value, 0);
}

TEST_F(GraphicsTest, ASpriteKeepsTheKeyDefaultOfItsTimeFor3DSprites) {
  auto black_keyed = sprite_of({kBlack, kMagenta, kWhite});  // black: the start default
  gfx.transparent_sprite_colour(kNewSprites, rgb(255, 0, 255));
  auto magenta_keyed = sprite_of({kBlack, kMagenta, kWhite});
  auto s3 = gfx.create_sprite3d(magenta_keyed);
  draw(gfx.create_sprite3d(black_keyed), 0, 0);
  draw(s3, 0, 1);
  EXPECT_EQ((std::vector{at(0, 0), at(1, 0), at(0, 1), at(1, 1)}),
            (std::vector{kGrey, kMagenta, kBlack, kGrey}));
  // A later key change reaches the 3D sprite, which outlives its sprite.
  gfx.transparent_sprite_colour(magenta_keyed, rgb(255, 255, 255));
  gfx.free_sprite(magenta_keyed);
  draw(s3, 4, 4);
  EXPECT_EQ((std::vector{at(4, 4), at(5, 4), at(6, 4)}), (std::vector{kBlack, kMagenta, kGrey}));
}

TEST_F(GraphicsTest, Sprites3dDrawOnlyInsideA3dBlock) {
  auto s3 = gfx.create_sprite3d(sprite_of({argb(255, 100, 0, 0)}));
  gfx.display_sprite3d(s3, 0, 0);  // outside start_3d .. stop_3d
  draw(s3, 0, 0, 0);               // invisible
  EXPECT_EQ(count_drawn(gfx.back_buffer(), kGrey), 0);
}

TEST_F(GraphicsTest, InvalidBlendingKeepsTheLastValidOne) {
  auto s3 = gfx.create_sprite3d(sprite_of({argb(255, 100, 0, 0)}));
  gfx.sprite3d_blending(2, 2);  // additive
  gfx.sprite3d_blending(0, 0);
  gfx.sprite3d_blending(5, 99);
  draw(s3, 0, 0);
  EXPECT_EQ(at(0, 0), argb(255, 150, 50, 50));
}

TEST_F(GraphicsTest, AGrabIsACopyOfTheScreenThatSavesAsBmp) {
  gfx.box(0, 0, 4, 4, rgb(90, 0, 0));
  gfx.box(1, 1, 1, 1, rgb(4, 5, 6));
  auto inside = gfx.grab_sprite(0, 0, 4, 4);
  auto edge = gfx.grab_sprite(-1, 0, 3, 2);  // one column left of the screen: black
  auto s3 = gfx.create_sprite3d(inside);
  gfx.box(0, 0, 4, 4, rgb(0, 90, 0));  // drawing over the grabbed area afterwards
  testing::FilesTempFolder dir;
  dir.write("shots/Shot.bmp", std::string(500, 'x'));  // an older file is replaced
  ASSERT_TRUE(gfx.save_sprite(edge, dir.path() + "shots\\Shot.bmp"));
  const std::string file = dir.read("shots/Shot.bmp");
  const Bytes bmp(file.begin(), file.end());
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // 3x2, bottom row first, rows padded to 12 bytes
  auto u32 = [&](std::size_t i) { return bmp[i] | bmp[i + 1] << 8 | bmp[i + 2] << 16; };
  // "BM", pixel offset, width, height (positive: bottom-up), 24 bits per pixel, no compression
  EXPECT_EQ((std::vector{u32(0) & 0xFFFF, u32(10), u32(18), u32(22), u32(28), u32(30)}),
            (std::vector{'B' | 'M' << 8, 54, 3, 2, 24, 0}));
  EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.begin() + 66),
            (Bytes{0, 0, 0, 0, 0, 90, 6, 5, 4, 0, 0, 0}));
  gfx.free_sprite(inside);  // its 3D sprite still draws the grabbed pixels
  draw(s3, 10, 10);
  EXPECT_EQ((std::vector{at(11, 11), at(12, 12)}),
            (std::vector{argb(255, 4, 5, 6), argb(255, 90, 0, 0)}));
}

// After a clear, the clear colour is only written where a draw may leave it seen; opaque
// upright quads replace what they cover without it, and the way changes with the scene (box by
// box while opaque tiles hide the screen, one fill while translucent ones hide nothing). Frame
// after frame, across the changes, quads of every kind over the last frame and the full-screen
// grab that ends a frame, the screen must show what a plain fill shows.
TEST(GraphicsLazyClear, FrameAfterFrameTheScreenShowsWhatAPlainClearShows) {
  struct Screen {
    HeadlessPlatform platform;
    Graphics gfx{platform};
    SpriteId solid, soft;
    Sprite3dId tile;
  };
  Image noise(40, 32);
  for (int i = 0; i < 40 * 32; ++i) noise.pixels[i] = argb(i % 7 * 30, i * 5, i * 11, i * 3);
  Screen lazy, plain;
  for (Screen* s : {&lazy, &plain}) {
    s->gfx.open_windowed_screen(s->gfx.open_window(40, 32, "t"), 40, 32);
    Image solid(8, 8, argb(255, 10, 200, 30));
    solid.at(3, 3) = argb(255, 240, 20, 20);
    s->solid = s->gfx.add_sprite(solid);
    s->soft = s->gfx.add_sprite(noise);
    s->tile = s->gfx.create_sprite3d(s->solid);
  }
  for (int frame = 0; frame < 150; ++frame) {
    const bool opaque = frame / 40 % 2 == 1;
    for (Screen* s : {&lazy, &plain}) {
      Graphics& gfx = s->gfx;
      gfx.clear_screen(rgb(frame, 40, 60));
      if (s == &plain) gfx.box(0, 0, 40, 32, rgb(frame, 40, 60));
      gfx.start_3d();
      std::vector<Sprite3dId> quads;  // every third frame, quads zoomed, turned, smooth or not
      for (std::uint32_t i = 0, seed = frame; i < (frame % 3 == 0 ? 30u : 0u); ++i) {
        seed = seed * 1664525u + 1013904223u;
        quads.push_back(gfx.create_sprite3d((seed >> 8) % 3 == 0 ? s->soft : s->solid));
        gfx.zoom_sprite3d(quads.back(), float((seed >> 12) % 90) / 7.0f + 0.4f,
                          float((seed >> 4) % 60) / 5.0f);
        if ((seed >> 20) % 5 == 0) gfx.rotate_sprite3d(quads.back(), float(seed % 360), 1);
        gfx.sprite3d_quality(int(seed >> 30) & 1);
        gfx.display_sprite3d(quads.back(), float(int((seed >> 7) % 500) - 100) / 9.0f,
                             float(int((seed >> 17) % 400) - 100) / 9.0f,
                             (seed >> 25) % 4 == 0 ? 128 : 255);
      }
      for (int i = 0; i < 16 && frame % 3 != 0; ++i)  // a gap of two tiles and a part off screen
        if (i != 5 && i != 6)
          gfx.display_sprite3d(s->tile, float(i % 5 * 9 - 1), float(i / 5 * 9 + frame % 3),
                               opaque ? 255 : 128);
      if (frame % 7 == 0) {
        const auto grab = gfx.grab_sprite(0, 0, 40, 32);
        const auto whole = gfx.create_sprite3d(grab);
        gfx.clear_screen(rgb(0, 0, 0));
        if (s == &plain) gfx.box(0, 0, 40, 32, rgb(0, 0, 0));
        gfx.display_sprite3d(whole, 0, 0);
        gfx.free_sprite3d(whole);
        gfx.free_sprite(grab);
      }
      gfx.stop_3d();
      for (Sprite3dId q : quads) gfx.free_sprite3d(q);
    }
    ASSERT_EQ(lazy.gfx.back_buffer().pixels, plain.gfx.back_buffer().pixels) << frame;
  }
}

// A grab drawn over the whole screen right after a clear is copied while its texels are
// checked; nearest or smooth, with or without a keyed texel, the screen must show what drawing
// the same picture as an ordinary sprite over black shows. Each round reuses the last one's memory.
TEST_F(GraphicsTest, AFreshGrabOverAClearShowsWhatItsPictureShows) {
  gfx.transparent_sprite_colour(kNewSprites, rgb(255, 0, 255));
  for (int round = 0; round < 4; ++round) {
    const bool keyed = round % 2 == 1;
    gfx.sprite3d_quality(round / 2);
    for (int i = 0; i < 32 * 24; ++i) gfx.box(i % 32, i / 32, 1, 1, rgb(i * 7, i * 13, i * 3));
    if (keyed) gfx.box(19, 14, 3, 3, rgb(255, 0, 255));
    Image picture(31, 23);
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 31; ++x) picture.at(x, y) = at(x + 1, y + 1);
    const auto grab = gfx.grab_sprite(1, 1, 31, 23);
    const auto capture = gfx.create_sprite3d(grab);
    gfx.zoom_sprite3d(capture, 32, 24);
    gfx.clear_screen(rgb(0, 0, 0));
    draw(capture, 0, 0);
    const std::vector<Pixel> shown = gfx.back_buffer().pixels;
    const auto ordinary = gfx.create_sprite3d(gfx.add_sprite(picture));
    gfx.zoom_sprite3d(ordinary, 32, 24);
    gfx.box(0, 0, 32, 24, rgb(0, 0, 0));
    draw(ordinary, 0, 0);
    EXPECT_EQ(shown, gfx.back_buffer().pixels) << round;
    EXPECT_EQ(shown[15 * 32 + 20] == kBlack, keyed);  // the keyed texel's hole shows the clear
    gfx.free_sprite3d(capture);
    gfx.free_sprite(grab);
  }
}

// A picture drawn over the whole screen right after a clear may take the clear's place only
// when it hides everything: a translucent or keyed texel still shows the clear colour.
TEST_F(GraphicsTest, AFullScreenPictureReplacesTheClearOnlyWhereItIsOpaque) {
  gfx.transparent_sprite_colour(kNewSprites, rgb(255, 0, 255));
  const Pixel red = argb(255, 200, 0, 0);
  for (const Pixel odd : {kWhite, argb(0, 9, 9, 9), kMagenta}) {
    Image pic(32, 24, kBlack);
    pic.pixels[33] = odd;
    const auto s3 = gfx.create_sprite3d(gfx.add_sprite(pic));
    for (int frame = 0; frame < 2; ++frame) {  // the second draw knows the texture
      gfx.clear_screen(rgb(200, 0, 0));
      draw(s3, 0, 0);
      EXPECT_EQ(at(1, 1), odd == kWhite ? kWhite : red);
      EXPECT_EQ(at(5, 5), kBlack);
    }
  }
}

// A quad zoomed beyond the range a quad is drawn in draws nothing, so it never takes the place
// of a pending clear, whether it is an ordinary picture or a fresh grab: the clear shows, not
// the previous frame.
TEST_F(GraphicsTest, AQuadOutOfReachLeavesTheClearShowing) {
  const auto picture = gfx.create_sprite3d(gfx.add_sprite(Image(32, 24, kWhite)));
  for (bool grab : {false, true}) {
    gfx.box(0, 0, 32, 24, rgb(0, 200, 0));
    const Sprite3dId s3 = grab ? gfx.create_sprite3d(gfx.grab_sprite(1, 1, 30, 22)) : picture;
    gfx.zoom_sprite3d(s3, 4e12f, 4e12f);
    gfx.clear_screen(rgb(0, 0, 0));
    draw(s3, 0, 0);
    EXPECT_EQ(std::tuple(at(0, 0), at(16, 12), at(31, 23)), std::tuple(kBlack, kBlack, kBlack))
        << grab;
  }
}

TEST_F(GraphicsTest, RotationAccumulatesClockwiseAboutTheCentre) {
  Image pic(4, 2);
  for (int i = 0; i < 8; ++i) pic.pixels[i] = argb(255, 10 + 30 * i, 100, 9);
  auto s3 = gfx.create_sprite3d(gfx.add_sprite(pic));
  // Drawn at (x, 2), a 4x2 quad turned a quarter clockwise about its centre covers the 2x4
  // block from (x + 1, 1) with texel (0, 0) at its top right and (3, 1) at its bottom left.
  auto quarter_turned_at = [&](int x) {
    return at(x + 2, 1) == pic.at(0, 0) && at(x + 1, 4) == pic.at(3, 1) && at(x, 1) == kGrey;
  };
  gfx.rotate_sprite3d(s3, 45, 1);
  gfx.rotate_sprite3d(s3, 45, 1);
  draw(s3, 2, 2);
  EXPECT_TRUE(quarter_turned_at(2));
  gfx.zoom_sprite3d(s3, 4, 2);    // upright again, the angle is kept
  gfx.rotate_sprite3d(s3, 0, 1);  // back to the kept 90 degrees
  draw(s3, 16, 2);
  EXPECT_TRUE(quarter_turned_at(16));
  gfx.rotate_sprite3d(s3, 90, 0);  // absolute: turned, accumulated angle cleared
  gfx.rotate_sprite3d(s3, 0, 1);
  gfx.zoom_sprite3d(s3, std::numeric_limits<float>::quiet_NaN(), 1e30f);  // ignored
  gfx.rotate_sprite3d(s3, std::numeric_limits<float>::infinity(), 1);     // ignored
  draw(s3, 22, 2);
  EXPECT_EQ(at(22, 2), pic.at(0, 0));
}

}  // namespace
}  // namespace orv::media
