// The font (glyph pictures and slots) and the text drawn with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/screen_game.h"
#include "text/font.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

using test::find_colour;
using test::Rect;
namespace colour = test::glyph_colour;

// The test font's A, B and I glyphs are 10, 10 and 6 wide, all 20 high; Z 8 wide; "ü" names
// the "u" slot only, which this list lacks.
class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::open_test_screen(t.game, 200, 120);
    test::load_test_font(t, "ABZI\xFC");
  }
  void text(std::string_view s, float x, float y, float zoom = 1.0f, float spacing = 1.0f) {
    draw_text(t.game, s, x, y, {.zoom = zoom, .spacing = spacing});
  }
  const media::Image& frame(const std::function<void()>& draw, media::Colour clear = {}) {
    return test::draw_frame(t, draw, clear);
  }
  const Glyph& glyph(int code) const { return t.game.text.glyphs[code]; }
  // Draws the glyph's 3D sprite as it is, at (0, 0).
  const media::Image& draw_glyph_sprite(int code, media::Colour clear = {}) {
    return frame([&] { t.media.gfx.display_sprite3d(glyph(code).sprite3d, 0, 0); }, clear);
  }
  int glyphs_with_drawable() const {
    int n = 0;
    for (const Glyph& g : t.game.text.glyphs) n += g.sprite3d ? 1 : 0;
    return n;
  }

  test::ScreenGame t;
};

// "A" is 10 x 20 and "_b" 16 x 20 pixels; the glyph folder is written with its final "\".
TEST_F(TextTest, DisplayScaleHalfHalvesEveryGlyph) {
  t.game.frame.display_scale = 0.5f;
  t.game.config.font_path = test::test_font_folder() + "\\";
  t.game.config.font_character_list = t.dir.write("chars.txt", "Ab\r\n");
  load_font(t.game);
  EXPECT_EQ(std::tuple(glyph('A').width, glyph('A').height, glyph('b').width, glyph('b').height),
            std::tuple(5.0f, 10.0f, 8.0f, 10.0f));
}

// Symbol and accented characters load their picture into their slot; "ü", "Ü" and "ß" fill
// the "u" and "S" slots and leave their own empty.
TEST_F(TextTest, EachCharacterLoadsItsPictureIntoItsSlot) {
  struct Case {
    const char* characters;
    int slot;
    media::Colour colour;
    int empty_slot;
  };
  for (const Case& c :
       {Case{"\"", '"', colour::kFuel, -1}, Case{"\xF6", 0xF6, colour::kNoBomb, -1},
        Case{"\xDC\xFCu", 'u', colour::kLowerU, 0xDC}, Case{"\xDF", 'S', colour::kS, 0xDF}}) {
    SCOPED_TRACE(c.slot);
    test::load_test_font(t, c.characters);
    ASSERT_TRUE(glyph(c.slot).sprite3d);
    EXPECT_TRUE(find_colour(draw_glyph_sprite(c.slot), c.colour));
    EXPECT_TRUE(c.empty_slot < 0 || !glyph(c.empty_slot).sprite3d);
    EXPECT_EQ(glyphs_with_drawable(), 1);
  }
}

// A missing or broken picture leaves only its own slot empty. "/" and "\" in the character list
// would make paths that leave the font folder: their slots stay empty even where such a path
// finds a picture (here "glyphs/.png").
TEST_F(TextTest, OnlyGlyphsWithAPictureOfTheirOwnLoad) {
  const std::string folder = t.dir.path() + "glyphs";
  std::filesystem::create_directories(folder);
  for (const char* copy : {"/A.png", "/.png"})
    std::filesystem::copy_file(test::test_font_folder() + "/A.png", folder + copy);
  t.dir.write("glyphs/Q.png", "this is not a picture");
  t.dir.write("glyphs/B.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  t.game.config.font_path = folder;
  t.game.config.font_character_list = t.dir.write("chars.txt", "QABR/\\\r\n");
  load_font(t.game);
  EXPECT_TRUE(glyph('A').sprite3d);
  for (int empty : {'Q', 'B', 'R', '/', '\\'})
    EXPECT_EQ(std::tuple(glyph(empty).sprite3d.value, glyph(empty).sprite.value), std::tuple(0, 0))
        << char(empty);
}

// A second load frees every old glyph, sizes included; without the character list nothing
// is loaded, every text draws nothing and no error is shown.
TEST_F(TextTest, LoadingAgainFreesEveryOldGlyph) {
  test::load_test_font(t, "ABI");
  const Glyph old_a = glyph('A');
  test::load_test_font(t, "AB");
  EXPECT_FALSE(t.media.gfx.is_sprite3d(old_a.sprite3d) || t.media.gfx.is_sprite(old_a.sprite));
  EXPECT_EQ(std::tuple(glyph('I').sprite3d.value, glyph('I').width), std::tuple(0, 0.0f));

  t.game.config.font_character_list = t.dir.path() + "gone.txt";
  load_font(t.game);
  EXPECT_EQ(glyphs_with_drawable(), 0);
  EXPECT_FALSE(test::anything_but(frame([&] { text("AB ZI|", 0, 0); }), media::rgb(0, 0, 0), {}));
  EXPECT_TRUE(t.platform.boxes().empty());
}

// A glyph advances by width x zoom x spacing, a space by one unscaled "I" width, a missing
// glyph ("ü") not at all; zoom -1 counts as 1; "|" resets the cursor.
TEST_F(TextTest, LayoutFollowsGlyphWidthsWithControlCharactersObeyed) {
  struct Case {
    const char* text;
    float zoom, spacing;
    media::Colour glyph;
    Rect b;  // where the last glyph of that colour is drawn
  };
  for (const Case& c : {Case{"AB Z|", 1, 2, colour::kZ, {46, 0, 8, 20}},
                        Case{"B\374B|", -1, 1, colour::kB, {0, 0, 20, 20}}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(find_colour(frame([&] { text(c.text, 0, 0, c.zoom, c.spacing); }), c.glyph), c.b);
    EXPECT_EQ(std::tuple(t.game.text.cursor_x, t.game.text.cursor_y), std::tuple(0.0f, 0.0f));
  }
}

// Without "|" the cursor carries into the next call; zoom 0 draws nothing and does not move it.
TEST_F(TextTest, TheCursorCarriesOverIntoTheNextCall) {
  const media::Image& f = frame([&] {
    text("AB", 0, 0);
    text("AZ", 0, 0, 0.0f);
    text("Z|", 0, 0);
  });
  EXPECT_EQ(
      std::tuple(find_colour(f, colour::kA), find_colour(f, colour::kZ), t.game.text.cursor_x),
      std::tuple(Rect{0, 0, 10, 20}, Rect{20, 0, 8, 20}, 0.0f));
  test::load_test_font(t, "AB");  // without an "I" glyph spaces have no width
  EXPECT_EQ(find_colour(frame([&] { text("A  B|", 0, 0); }), colour::kB), (Rect{10, 0, 10, 20}));
}

}  // namespace
}  // namespace orv
