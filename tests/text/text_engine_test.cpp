#include "text/text_engine.h"

#include <gtest/gtest.h>

#include "support/screen_game.h"

namespace orv {
namespace {

using test::find_colour;
using test::Rect;
namespace colour = test::glyph_colour;

// A, B and I glyphs 10, 10 and 6 wide, all 20 high; Z 8 wide. "ü" names the "u" slot only.
class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::open_test_screen(t.game, 200, 120);
    test::load_test_font(t, "ABZI\xFC");
  }

  void text(std::string_view s, float x, float y, float zoom = 1.0f, float spacing = 1.0f) {
    draw_text(t.game, s, x, y, zoom, 0.0f, 255, spacing, 0, 0);
  }
  const media::Image& frame(const std::function<void()>& draw) { return test::draw_frame(t, draw); }
  float cursor_x() const { return t.game.text.cursor_x; }
  float cursor_y() const { return t.game.text.cursor_y; }

  test::ScreenGame t;
};

TEST_F(TextTest, GlyphsSitEdgeToEdgeAndTheBarResetsTheCursor) {
  const media::Image& f = frame([&] { text("AB|", 100, 50); });
  EXPECT_EQ(find_colour(f, colour::kA), (Rect{100, 50, 10, 20}));
  EXPECT_EQ(find_colour(f, colour::kB), (Rect{110, 50, 10, 20}));
  EXPECT_EQ(cursor_x(), 0.0f);
  EXPECT_EQ(cursor_y(), 0.0f);
}

TEST_F(TextTest, TheCursorCarriesOverIntoTheNextCall) {
  const media::Image& f = frame([&] {
    text("AB", 0, 0);
    text("Z|", 0, 0);
  });
  EXPECT_EQ(find_colour(f, colour::kZ), (Rect{20, 0, 8, 20}));
  EXPECT_EQ(cursor_x(), 0.0f);
}

TEST_F(TextTest, BackslashStartsALineOneAndAFifthAHeightsDown) {
  const media::Image& f = frame([&] { text("A\\B|", 10, 5, 2.0f); });
  EXPECT_EQ(find_colour(f, colour::kA), (Rect{10, 5, 20, 40}));
  EXPECT_EQ(find_colour(f, colour::kB), (Rect{10, 5 + 48, 20, 40}));
}

TEST_F(TextTest, ZoomZeroDrawsNothingAndNegativeZoomCountsAsOne) {
  const media::Image& f = frame([&] {
    text("AZ", 0, 0, 0.0f);
    EXPECT_EQ(cursor_x(), 0.0f);
    text(
        "B"
        "\xFC"
        "B|",
        0, 0, -1.0f);
  });
  EXPECT_FALSE(find_colour(f, colour::kA));
  EXPECT_FALSE(find_colour(f, colour::kZ));
  // The second B follows the first at once: the missing glyph between them leaves no gap.
  EXPECT_EQ(find_colour(f, colour::kB), (Rect{0, 0, 20, 20}));
}

TEST_F(TextTest, SpacingWidensGlyphAdvancesButNotSpaces) {
  const media::Image& f = frame([&] { text("AB Z|", 0, 0, 1.0f, 2.0f); });
  EXPECT_EQ(find_colour(f, colour::kB), (Rect{20, 0, 10, 20}));
  // Two doubled glyph advances, then one plain "I" width.
  EXPECT_EQ(find_colour(f, colour::kZ), (Rect{46, 0, 8, 20}));
}

TEST_F(TextTest, WithoutAnIGlyphSpacesHaveNoWidth) {
  test::load_test_font(t, "AB");
  const media::Image& f = frame([&] { text("A  B|", 0, 0); });
  EXPECT_EQ(find_colour(f, colour::kB), (Rect{10, 0, 10, 20}));
}

TEST_F(TextTest, AdditiveBlendingUntilACallAsksForTheDefault) {
  const media::Colour grey = media::rgb(100, 100, 100);
  const media::Image& f = test::draw_frame(
      t,
      [&] {
        // Screen colour = glyph colour + screen colour x glyph alpha.
        draw_text(t.game, "A|", 0, 0, 1.0f, 0.0f, 255, 1.0f, 2, 5);
        text("B|", 20, 0);
      },
      grey);
  EXPECT_EQ(test::colour_at(f, 0, 0), media::rgb(255, 100, 100));
  EXPECT_EQ(test::colour_at(f, 20, 0), colour::kB);
}

TEST_F(TextTest, AnglesAddUpFromDrawToDraw) {
  const auto rotated_i = [&] {
    const media::Image& f =
        frame([&] { draw_text(t.game, "I|", 50, 50, 1.0f, 90.0f, 255, 1.0f, 0, 0); });
    return find_colour(f, colour::kI).value_or(Rect{});
  };
  const Rect quarter = rotated_i();
  EXPECT_GT(quarter.width, quarter.height);
  const Rect half = rotated_i();
  EXPECT_LT(half.width, half.height);
}

}  // namespace
}  // namespace orv
