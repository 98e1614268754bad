#include "text/font_engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/screen_game.h"
#include "text/text_engine.h"

namespace orv {
namespace {

using test::find_colour;
using test::Rect;
namespace colour = test::glyph_colour;

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override { test::open_test_screen(t.game, 64, 48); }

  const Glyph& glyph(int code) const { return t.game.text.glyphs[code]; }
  // Draws the glyph's 3D sprite as it is, at (0, 0).
  const media::Image& draw_glyph_sprite(int code) {
    return test::draw_frame(t, [&] { t.media.gfx.display_sprite3d(glyph(code).drawable, 0, 0); });
  }
  int glyphs_with_drawable() const {
    int n = 0;
    for (const Glyph& g : t.game.text.glyphs) n += g.drawable != 0 ? 1 : 0;
    return n;
  }

  test::ScreenGame t;
};

TEST_F(FontTest, DisplayScaleHalfHalvesEveryGlyph) {
  t.game.frame.display_scale = 0.5f;
  test::load_test_font(t, "Ab");
  EXPECT_FLOAT_EQ(glyph('A').width, 5.0f);
  EXPECT_FLOAT_EQ(glyph('A').height, 10.0f);
  EXPECT_FLOAT_EQ(glyph('b').width, 8.0f);
  EXPECT_FLOAT_EQ(glyph('b').height, 10.0f);
  // The drawable is already sized when it is loaded.
  EXPECT_EQ(find_colour(draw_glyph_sprite('b'), colour::kLowerB), (Rect{0, 0, 8, 10}));
}

struct SlotCase {
  const char* characters;
  int slot;
  media::Colour colour;
  int empty_slot;  // a slot the character names but which stays empty; -1 for none
};

class FontSlotTest : public FontTest, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(FontSlotTest, CharacterLoadsItsPictureIntoItsSlot) {
  const SlotCase& c = GetParam();
  test::load_test_font(t, c.characters);
  ASSERT_NE(glyph(c.slot).drawable, 0);
  EXPECT_TRUE(find_colour(draw_glyph_sprite(c.slot), c.colour));
  if (c.empty_slot >= 0) {
    EXPECT_EQ(glyph(c.empty_slot).drawable, 0);
  }
  EXPECT_EQ(glyphs_with_drawable(), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, FontSlotTest,
                         ::testing::Values(SlotCase{"\"", '"', colour::kFuel, -1},
                                           SlotCase{".", '.', colour::kPoint, -1},
                                           SlotCase{"\xF6", 0xF6, colour::kNoBomb, -1},  // o umlaut
                                           SlotCase{"\xD6", 0xD6, colour::kNoBomb, -1},  // O umlaut
                                           SlotCase{"\xFC", 'u', colour::kLowerU, 0xFC},
                                           SlotCase{"\xDC\xFCu", 'u', colour::kLowerU, 0xDC},
                                           SlotCase{"\xDF", 'S', colour::kS, 0xDF},  // sharp s
                                           SlotCase{"bbb", 'b', colour::kLowerB, -1},
                                           SlotCase{"4", '4', colour::kFour, -1}));

TEST_F(FontTest, AFolderWrittenWithItsFinalBackslashWorks) {
  t.game.config.font_path = test::test_font_folder() + "\\";
  t.game.config.font_system = t.dir.write("chars.txt", "AB\r\n");
  load_font(t.game);
  EXPECT_NE(glyph('A').drawable, 0);
  EXPECT_NE(glyph('B').drawable, 0);
}

TEST_F(FontTest, WhiteIsTransparentButNearWhiteIsDrawn) {
  test::load_test_font(t, "H");
  const media::Colour grey = media::rgb(50, 60, 70);
  const media::Image& frame = test::draw_frame(
      t, [&] { t.media.gfx.display_sprite3d(glyph('H').drawable, 0, 0); }, grey);
  EXPECT_EQ(find_colour(frame, media::rgb(254, 254, 254)), (Rect{4, 0, 4, 8}));
  EXPECT_EQ(find_colour(frame, grey, {0, 0, 8, 8}), (Rect{0, 0, 4, 8}));
}

TEST_F(FontTest, WithoutTheListFileEveryTextDrawsNothing) {
  t.game.config.font_path = test::test_font_folder();
  t.game.config.font_system = t.dir.path() + "no such list.txt";
  load_font(t.game);
  EXPECT_EQ(glyphs_with_drawable(), 0);
  const media::Image& frame =
      test::draw_frame(t, [&] { draw_text(t.game, "AB ZI|", 0, 0, 1.0f, 0, 255, 1.0f, 0, 0); });
  EXPECT_FALSE(test::anything_but(frame, media::rgb(0, 0, 0), {}));
  EXPECT_TRUE(t.platform.boxes().empty());
}

TEST_F(FontTest, MissingAndBrokenPicturesLeaveOnlyTheirOwnSlotsEmpty) {
  namespace fs = std::filesystem;
  const std::string folder = t.dir.path() + "glyphs";
  fs::create_directories(folder);
  fs::copy_file(test::test_font_folder() + "/A.png", folder + "/A.png");
  t.dir.write("glyphs/Q.png", "this is not a picture");
  t.dir.write("glyphs/B.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  t.game.config.font_path = folder;
  t.game.config.font_system = t.dir.write("chars.txt", "QABR\r\n");
  load_font(t.game);
  EXPECT_NE(glyph('A').drawable, 0);
  for (int missing : {'Q', 'B', 'R'}) {
    EXPECT_EQ(glyph(missing).drawable, 0) << char(missing);
    EXPECT_EQ(glyph(missing).image, 0) << char(missing);
  }
}

TEST_F(FontTest, LoadingAgainFreesEveryOldGlyph) {
  test::load_test_font(t, "ABI");
  const Glyph old_a = glyph('A');
  const Glyph old_i = glyph('I');
  test::load_test_font(t, "AB");
  media::Graphics& gfx = t.media.gfx;
  EXPECT_FALSE(gfx.is_sprite3d(old_a.drawable));
  EXPECT_FALSE(gfx.is_sprite(old_a.image));
  EXPECT_TRUE(gfx.is_sprite3d(glyph('A').drawable));
  // A glyph the new list lacks is gone, sizes included: spaces become zero-width.
  EXPECT_FALSE(gfx.is_sprite3d(old_i.drawable));
  EXPECT_EQ(glyph('I').drawable, 0);
  EXPECT_EQ(glyph('I').width, 0.0f);

  t.game.config.font_system = t.dir.path() + "gone.txt";
  load_font(t.game);
  EXPECT_EQ(glyphs_with_drawable(), 0);
}

}  // namespace
}  // namespace orv
