#include "screens/intro.h"

#include <tuple>
#include <vector>

#include "game/errors.h"
#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

const std::string kBackdrops = std::string(ORV_FIXTURES) + "/screens/backdrop_#.png";

using IntroTest = test::ScreenTest;

// Pages are held 6, 3 and 2 seconds, plus at most one 60 Hz frame for each flip, whatever
// keys are held.
TEST_F(IntroTest, PagesAreHeldSixThenThreeThenTwoSecondsWhateverKeysAreHeld) {
  t.game.config.load_screen = kBackdrops;
  for (int key = 0; key < media::key::kCount; ++key) t.platform.hold_key(key, 0);
  std::vector<std::int64_t> shown_ns;
  t.platform.on_present = [&](const media::Image&, std::int64_t now) { shown_ns.push_back(now); };
  show_intro(t.game);
  ASSERT_EQ(shown_ns.size(), 3u);
  shown_ns.push_back(t.platform.now_ns());
  constexpr std::int64_t kMs = 1'000'000;
  const std::int64_t expected[] = {6000 * kMs, 3000 * kMs, 2000 * kMs};
  for (int page = 0; page < 3; ++page) {
    const std::int64_t held = shown_ns[page + 1] - shown_ns[page];
    EXPECT_TRUE(held >= expected[page] && held <= expected[page] + 17 * kMs)
        << page << ": " << held;
  }
  EXPECT_EQ(t.game.frame.menu_active, 1);
}

// Start-up loads the sound effects while the first page is on the screen: the work runs once,
// after that page was presented and before the sounds of the next pages are looked up by name;
// the second and third pages open with their sound, played once.
TEST_F(IntroTest, WorkOfTheFirstPageRunsOnceItIsShownBeforeTheSoundsOfTheNext) {
  t.game.config.intro_sound1 = "first.ogg", t.game.config.intro_sound = "second.ogg";
  const std::string ogg = tone_file();
  std::vector<std::int64_t> frames_at_work;
  show_intro(t.game, [&] {
    frames_at_work.push_back(t.platform.frame());
    for (const char* name : {"other.ogg", "second.ogg", "first.ogg"})
      t.game.assets.sounds.push_back({ogg, name, t.media.sound.load_sound(ogg), 1});
  });
  EXPECT_EQ(frames_at_work, std::vector<std::int64_t>{1});
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(std::tuple(starts[0].sound, starts[0].frame, starts[1].sound, starts[1].frame),
            std::tuple(t.game.assets.sounds[2].sound, 1, t.game.assets.sounds[1].sound, 2));
  EXPECT_FALSE(starts[0].loop || starts[1].loop);
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
  test::load_test_font(t, "E");
  std::vector<media::Image>& pages = keep_frames();
  t.game.config.load_screen = kBackdrops;
  show_intro(t.game);
  ASSERT_EQ(pages.size(), 3u);
  for (int line = 0; line < 9; ++line) {
    const int y = kHeight * (30 + 5 * line) / 100;
    EXPECT_EQ(bool(test::find_colour(pages[0], colour::kE, {0, y, kWidth, 10})), line != 6)
        << "line " << line + 1;
  }
  for (int page = 1; page < 3; ++page)
    EXPECT_TRUE(test::find_colour(pages[page], colour::kE, {0, kHeight * 8 / 10, kWidth, 10}));
}

TEST(IntroPictureName, OnlyTheFirstHashBecomesTheDigit) {
  EXPECT_EQ(
      std::tuple(intro_picture_name("GFX\\load#.png", 0), intro_picture_name("GFX\\load#_#.png", 1),
                 intro_picture_name("#", 1), intro_picture_name("GFX\\load.png", 1)),
      std::tuple("GFX\\load0.png", "GFX\\load1_#.png", "1", ""));
}

}  // namespace
}  // namespace orv
