#include "screens/intro.h"

#include "frame/errors.h"

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

const media::Colour kBackdrop0 = media::rgb(0, 0, 160);
const media::Colour kBackdrop1 = media::rgb(0, 160, 0);

class IntroTest : public test::ScreenTest {
 protected:
  void use_backdrops() {
    t.game.config.load_screen = std::string(ORV_FIXTURES) + "/screens/backdrop_#.png";
  }
};

TEST_F(IntroTest, PagesAreHeldSixThreeAndTwoSecondsWhateverTheKeys) {
  use_backdrops();
  for (int key = 0; key < media::key::kCount; ++key) t.platform.hold_key(key, 0);
  std::vector<std::int64_t> shown_ns;
  t.platform.on_present = [&](const media::Image&, std::int64_t now) { shown_ns.push_back(now); };
  show_intro(t.game);
  const std::int64_t end_ns = t.platform.now_ns();
  ASSERT_EQ(shown_ns.size(), 3u);
  // Each page also waits for its flip, at most one 60 Hz frame.
  constexpr std::int64_t kMs = 1'000'000;
  constexpr std::int64_t kFrameSlack = 17 * kMs;
  const std::int64_t held[] = {shown_ns[1] - shown_ns[0], shown_ns[2] - shown_ns[1],
                               end_ns - shown_ns[2]};
  const std::int64_t expected[] = {6000 * kMs, 3000 * kMs, 2000 * kMs};
  for (int page = 0; page < 3; ++page) {
    EXPECT_GE(held[page], expected[page]) << "page " << page + 1;
    EXPECT_LE(held[page], expected[page] + kFrameSlack) << "page " << page + 1;
  }
  EXPECT_EQ(t.game.frame.menu_active, 1);
}

TEST_F(IntroTest, ACloseRequestEndsTheGameWhileAPageIsHeld) {
  t.media.on_close_request([this] { end_program(t.game); });
  // The request comes while the credits are held, not during a frame's own short pause.
  t.platform.on_sleep = [this](std::int64_t ns) {
    if (ns >= 40'000'000) t.platform.request_close();
  };
  EXPECT_THROW(show_intro(t.game), ProgramEnd);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_LT(t.platform.now_ns(), std::int64_t(1000) * 1'000'000);
}

// The font has only "E", which every credit line but the empty seventh contains.
TEST_F(IntroTest, TheCreditsPageShowsNineLinesTheSeventhEmpty) {
  use_backdrops();
  test::load_test_font(t, "E");
  std::vector<media::Image>& pages = keep_frames();
  show_intro(t.game);
  ASSERT_EQ(pages.size(), 3u);
  const media::Image& credits = pages[0];
  for (int line = 0; line < 9; ++line) {
    const int y = kHeight * (30 + 5 * line) / 100;
    EXPECT_EQ(bool(test::find_colour(credits, colour::kE, {0, y, kWidth, 10})), line != 6)
        << "line " << line + 1;
  }
  EXPECT_FALSE(test::find_colour(credits, colour::kE, {0, 0, kWidth, kHeight * 3 / 10}));
  EXPECT_FALSE(test::find_colour(credits, colour::kE, {0, kHeight * 3 / 4, kWidth, kHeight}));
  for (int page = 1; page < 3; ++page) {
    EXPECT_TRUE(test::find_colour(pages[page], colour::kE, {0, kHeight * 8 / 10, kWidth, 10}));
  }
}

TEST_F(IntroTest, WithoutAPictureTheCreditsStayBlackAndTheLinesShowOnBlack) {
  t.game.config.load_screen = std::string(ORV_FIXTURES) + "/screens/backdrop.png";
  test::load_test_font(t, "E");
  std::vector<media::Image>& pages = keep_frames();
  show_intro(t.game);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_FALSE(test::anything_but(pages[0], media::rgb(0, 0, 0), {}));
  for (int page = 1; page < 3; ++page) {
    const auto line = test::find_colour(pages[page], colour::kE);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->y, kHeight * 8 / 10);
    EXPECT_EQ(test::colour_at(pages[page], 0, 0), media::rgb(0, 0, 0));
  }
}

TEST_F(IntroTest, BothPicturesTakeTurnsOverManyRuns) {
  use_backdrops();
  t.media.sys.random_seed(11);
  int shown[2] = {0, 0};
  t.platform.on_present = [&](const media::Image& f, std::int64_t) {
    if (t.platform.frame() % 3 != 1) return;  // the credits page of each run
    const media::Colour c = test::colour_at(f, 0, 0);
    if (c == kBackdrop0) ++shown[0];
    if (c == kBackdrop1) ++shown[1];
  };
  constexpr int kRuns = 60;
  for (int run = 0; run < kRuns; ++run) show_intro(t.game);
  EXPECT_EQ(shown[0] + shown[1], kRuns);
  EXPECT_GT(shown[0], kRuns / 4);
  EXPECT_GT(shown[1], kRuns / 4);
}

struct NameCase {
  const char* pattern;
  int digit;
  const char* name;
};

class IntroPictureNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(IntroPictureNameTest, OnlyTheFirstHashBecomesTheDigit) {
  EXPECT_EQ(intro_picture_name(GetParam().pattern, GetParam().digit), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Patterns, IntroPictureNameTest,
                         ::testing::Values(NameCase{"GFX\\load#.png", 0, "GFX\\load0.png"},
                                           NameCase{"GFX\\load#_#.png", 1, "GFX\\load1_#.png"},
                                           NameCase{"#", 1, "1"}, NameCase{"GFX\\load.png", 1, ""},
                                           NameCase{"", 0, ""}));

}  // namespace
}  // namespace orv
