#include "screens/title_menu.h"

#include <algorithm>
#include <tuple>

#include "input/player_input.h"
#include "media/keys.h"
#include "screens/highscore.h"
#include "screens/screen_test_support.h"

namespace orv {
namespace {

namespace colour = test::glyph_colour;

using TitleMenuTest = test::ScreenTest;

// START in the first frame: one frame drawn, then a new game.
TEST_F(TitleMenuTest, StartInTheFirstFrameSetsUpANewGame) {
  t.game.world.level = 7, t.game.world.score = 999;
  t.game.frame.game_state = GameState::kEnding, t.game.frame.built_level = 7;
  press_start_at(0);
  show_title_menu(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  EXPECT_EQ(std::tuple(t.game.world.level, t.game.world.score, t.game.frame.menu_active,
                       t.game.frame.game_state, t.game.frame.built_level),
            std::tuple(1, 0, 0, GameState::kRunning, -1));
}

// Title and highscore each stop the music and loop their own track.
TEST_F(TitleMenuTest, EachScreenLoopsItsOwnTrack) {
  const std::string ogg = tone_file();
  for (const char* name : {"game1.ogg", "menu.ogg", "score.ogg"})
    t.game.assets.music.push_back({ogg, name, {}, 0});
  const auto loaded = [this] {
    std::string names;
    for (const SoundEntry& track : t.game.assets.music)
      if (track.sound) names += track.name;
    return names;
  };
  press_start_at(0);
  release_start_at(2);
  press_start_at(3);  // the highscore screen waits for a fresh press
  show_title_menu(t.game);
  EXPECT_EQ(loaded(), "menu.ogg");
  show_highscore(t.game);
  EXPECT_EQ(loaded(), "score.ogg");
  const auto& starts = t.platform.sound_starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_TRUE(starts[0].loop && starts[1].loop);
}

// The title ("O") fades in to full opacity after about 1276 frames; the prompt names the
// keyboard ("K") or the joypad ("J").
class TitleFadeTest : public test::ScreenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TitleFadeTest, TitleWithItsPromptFadesInToFullOpacity) {
  const bool joypad = GetParam();
  t.platform.set_joystick(joypad);
  t.game.frame.joypad_present = t.media.input.init_joystick() ? 1 : 0;
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
  EXPECT_TRUE(std::is_sorted(title_red.begin(), title_red.end()));
  const auto full = std::find(title_red.begin(), title_red.end(), media::red_of(colour::kO));
  EXPECT_NEAR(double(full - title_red.begin()), 1276.0, 5.0);
  const media::Image& last = t.platform.last_presented();
  EXPECT_EQ(bool(test::find_colour(last, colour::kJ)), joypad);
  EXPECT_EQ(bool(test::find_colour(last, colour::kK)), !joypad);
}

INSTANTIATE_TEST_SUITE_P(KeyboardOrJoypad, TitleFadeTest, ::testing::Bool());

// A pad plugged in while the title menu shows: the prompt names it from the next frame on.
TEST_F(TitleMenuTest, ThePromptNamesAPadPluggedInLater) {
  t.game.frame.joypad_present = t.media.input.init_joystick();
  test::load_test_font(t, "OKJ");
  constexpr int kFrames = 1300;
  t.platform.set_joystick(true, kFrames - 2);
  media::JoystickState start;
  start.buttons[9] = true;
  t.platform.set_joystick_state(start, kFrames);
  std::vector<bool> pad_prompt;
  t.platform.on_present = [&](const media::Image& f, std::int64_t) {
    pad_prompt.push_back(bool(test::find_colour(f, colour::kJ)));
  };
  show_title_menu(t.game);
  ASSERT_EQ(pad_prompt.size(), std::size_t(kFrames));
  EXPECT_EQ(std::vector<bool>(pad_prompt.end() - 3, pad_prompt.end()),
            (std::vector<bool>{false, true, true}));
  EXPECT_FALSE(bool(test::find_colour(t.platform.last_presented(), colour::kK)));
}

// START that leaves a screen acts once, however long it is held: the title menu after the
// highscore screen waits for a fresh press, and play after the title menu does not pause.
class StartActsOnceTest : public test::ScreenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartActsOnceTest, StartHeldAfterAScreenDoesNothingMore) {
  t.platform.set_joystick(GetParam());
  t.game.frame.joypad_present = t.media.input.init_joystick() ? 1 : 0;
  int dialog_frames = 0;
  t.platform.on_present = [&](const media::Image&, std::int64_t) {
    dialog_frames += t.game.input.open_dialogs > 0 ? 1 : 0;
  };
  press_start_at(0);
  release_start_at(10);
  press_start_at(20);
  release_start_at(40);
  // X (joypad button 1) from frame 60 on would close a pause dialog.
  media::JoystickState x;
  x.buttons[0] = true;
  GetParam() ? t.platform.set_joystick_state(x, 60) : t.platform.hold_key(media::key::kX, 60);
  show_highscore(t.game);
  EXPECT_EQ(t.platform.frame(), 1);
  show_title_menu(t.game);
  EXPECT_EQ(t.platform.frame(), 20) << "the title menu ended on the highscore's START";
  for (int frame = 0; frame < 10; ++frame) {
    read_input(t.game);
    t.game.media.gfx.flip_buffers();
  }
  EXPECT_EQ(std::tuple(t.platform.frame(), dialog_frames), std::tuple(30, 0));
}

INSTANTIATE_TEST_SUITE_P(KeyboardOrJoypad, StartActsOnceTest, ::testing::Bool());

// The way out of the title: QUIT (Escape, pad Back) opens the quit dialog; X returns to the
// title, where START still begins a game, and B ends the program with status 0. With a pad
// alone: Back, then B.
class TitleQuitTest : public test::ScreenTest, public ::testing::WithParamInterface<bool> {
 protected:
  // Presses the game button (1 to 10) or the key from the frame on, and lets it go 3 frames on.
  void tap(int key, int button, std::int64_t frame) {
    if (GetParam()) {
      media::JoystickState pad;
      pad.buttons[std::size_t(button - 1)] = true;
      t.platform.set_joystick_state(pad, frame);
      t.platform.set_joystick_state({}, frame + 3);
    } else {
      t.platform.tap_key(key, frame, 3);
    }
  }
  void SetUp() override {
    ScreenTest::SetUp();
    t.platform.set_joystick(GetParam());
    t.game.frame.joypad_present = t.media.input.init_joystick();
  }
};

TEST_P(TitleQuitTest, TheQuitDialogReturnsOnXOrEndsOnB) {
  tap(media::key::kEscape, 9, 2);
  tap(media::key::kX, 1, 10);
  tap(media::key::kP, 10, 20);
  show_title_menu(t.game);
  EXPECT_GE(t.platform.frame(), 20);
  EXPECT_EQ(t.game.world.level, 1);  // a new game, the program goes on

  const std::int64_t now = t.platform.frame() + 5;
  tap(media::key::kEscape, 9, now);
  tap(media::key::kB, 3, now + 10);
  EXPECT_EQ(test::exit_code_of([this] { show_title_menu(t.game); }), 0);
}

INSTANTIATE_TEST_SUITE_P(KeyboardOrPad, TitleQuitTest, ::testing::Bool());

}  // namespace
}  // namespace orv
