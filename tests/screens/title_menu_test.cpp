#include "screens/title_menu.h"

#include <algorithm>

#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

class TitleMenuTest : public test::ScreenTest {};

TEST_F(TitleMenuTest, StartInTheFirstFrameDrawsOneFrameAndSetsUpANewGame) {
  t.game.world.level = 7;
  t.game.world.score = 999;
  t.game.frame.game_state = kGameEnding;
  t.game.frame.built_level = 7;
  press_start_at(0);
  show_title_menu(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_EQ(t.game.world.level, 1);
  EXPECT_EQ(t.game.world.score, 0);
  EXPECT_EQ(t.game.frame.menu_active, 0);
  EXPECT_EQ(t.game.frame.game_state, kGameRunning);
  EXPECT_EQ(t.game.frame.built_level, -1);
}

TEST_F(TitleMenuTest, ThePictureFillsTheScreenAndTheNoticeShowsAtOnce) {
  t.game.config.load_intro_screen = std::string(ORV_FIXTURES) + "/screens/backdrop_1.png";
  test::load_test_font(t, "E");
  press_start_at(0);
  show_title_menu(t.game);
  const media::Image& f = t.platform.last_presented();
  const media::Colour green = media::rgb(0, 160, 0);
  EXPECT_EQ(test::colour_at(f, 0, 0), green);
  EXPECT_EQ(test::colour_at(f, kWidth - 1, kHeight - 1), green);
  // The notice line, at half the width and 0.8 of the height, is not faded in.
  EXPECT_TRUE(test::find_colour(f, colour::kE, {kWidth / 2, kHeight * 8 / 10, kWidth, 10}));
}

TEST_F(TitleMenuTest, WithoutThePictureTheScreenIsBlack) {
  t.game.config.load_intro_screen = t.dir.path() + "missing.png";
  press_start_at(0);
  show_title_menu(t.game);
  EXPECT_FALSE(test::anything_but(t.platform.last_presented(), media::rgb(0, 0, 0), {}));
}

struct PromptCase {
  bool joypad;
  media::Colour shown;  // the glyph only the expected prompt has
  media::Colour not_shown;
};

class TitleFadeTest : public test::ScreenTest, public ::testing::WithParamInterface<PromptCase> {};

// The font has "O" (the title's first letter), "K" (only in the keyboard prompt) and "J" (only
// in the joypad prompt); the fading title and prompt reach full opacity after about 1276 frames.
TEST_P(TitleFadeTest, TitleAndPromptFadeInToFullOpacity) {
  if (GetParam().joypad) use_joypad();
  test::load_test_font(t, "OKJ");
  std::vector<int> title_red;
  t.platform.on_present = [&](const media::Image& f, std::int64_t) {
    // The title starts at 0.1 of the width and 0.4 of the height, six times the 4 x 4 "O".
    title_red.push_back(media::red_of(test::colour_at(f, 22, 82)));
  };
  constexpr int kFrames = 1300;
  press_start_at(kFrames);
  show_title_menu(t.game);
  ASSERT_EQ(title_red.size(), std::size_t(kFrames));
  EXPECT_EQ(title_red.front(), 0);
  for (std::size_t i = 1; i < title_red.size(); ++i) ASSERT_GE(title_red[i], title_red[i - 1]);
  const auto full = std::find(title_red.begin(), title_red.end(), media::red_of(colour::kO));
  ASSERT_NE(full, title_red.end());
  EXPECT_NEAR(double(full - title_red.begin()), 1276.0, 5.0);

  const media::Image& last = t.platform.last_presented();
  EXPECT_TRUE(test::find_colour(last, GetParam().shown));
  EXPECT_FALSE(test::find_colour(last, GetParam().not_shown));
}

INSTANTIATE_TEST_SUITE_P(Devices, TitleFadeTest,
                         ::testing::Values(PromptCase{false, colour::kK, colour::kJ},
                                           PromptCase{true, colour::kJ, colour::kK}));

}  // namespace
}  // namespace orv
