// The other kinds of game offered on the title: practice from a level already reached (L, pad
// LB) and the day's labyrinth (T, pad RB), and what the head-up display says of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/play_mode.h"
#include "media/keys.h"
#include "screens/reached_level.h"
#include "screens/screen_test_support.h"
#include "screens/title_menu.h"
#include "world/hud.h"

namespace orv {
namespace {

namespace key = media::key;

class PlayModesTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    g.config.generate_levels = 1;
    g.config.highscore_file = t.dir.path() + "records/scores.txt";
  }
  void reached(std::int32_t level) {
    std::string error;
    t.dir.write("records/.keep", "");  // the records folder
    raise_reached_level(reached_level_path(g.config), level, error);
  }
  // Taps a key: down at the frame, up two frames later.
  void tap(int k, std::int64_t frame) { t.platform.tap_key(k, frame, 2); }
  // Taps the keys one after the other, four frames apart, from the frame on.
  void taps(std::initializer_list<int> keys, std::int64_t frame) {
    for (int k : keys) tap(k, frame), frame += 4;
  }
  // Where the game starts when the title is left: its kind and level.
  std::tuple<PlayMode, std::int32_t, std::int32_t> started() const {
    return {g.frame.play.mode, g.world.level, g.frame.built_level};
  }

  Game& g = t.game;
};

TEST_F(PlayModesTest, PracticeStartsAtALevelChosenBeyondLevelOne) {
  // Nothing reached beyond level 1: L does nothing, P starts a normal game.
  taps({key::kL, key::kReturn}, 2);
  t.platform.hold_key(key::kP, 10);
  show_title_menu(g);
  EXPECT_EQ(t.platform.frame(), 10);
  EXPECT_EQ(started(), std::tuple(PlayMode::kNormal, 1, -1));
  t.platform.release_key(key::kP, t.platform.frame());

  // Level 5 reached: the chooser starts at 5; Down twice, Up once and Return start level 4.
  reached(5);
  taps({key::kL, key::kDown, key::kLeft, key::kUp, key::kReturn}, t.platform.frame() + 2);
  show_title_menu(g);
  EXPECT_EQ(started(), std::tuple(PlayMode::kPractice, 4, -1));
  EXPECT_EQ(g.world.score, 0);
  EXPECT_FALSE(g.frame.menu_active);

  // The chooser never goes below 1 or above the level reached, and Escape goes back to the
  // title without asking to quit; the next game is a normal one again.
  const std::int64_t h = t.platform.frame() + 2;
  taps({key::kL, key::kUp, key::kUp, key::kUp, key::kEscape}, h);
  t.platform.hold_key(key::kP, h + 26);
  show_title_menu(g);
  EXPECT_EQ(std::tuple(started(), g.input.open_dialogs, t.platform.frame()),
            std::tuple(std::tuple(PlayMode::kNormal, 1, -1), 0, h + 26));
}

TEST_F(PlayModesTest, ThePadChoosesAPracticeLevelWithShoulderThenStick) {
  reached(3);
  t.platform.set_joystick(true);
  g.frame.joypad_present = t.media.input.init_joystick();
  media::JoystickState lb, a;
  lb.buttons[4] = true;
  a.buttons[1] = true;
  t.platform.set_joystick_state(lb, 2);
  t.platform.set_joystick_state({}, 4);
  t.platform.set_joystick_state({.axis_y = 1000}, 8);
  t.platform.set_joystick_state({}, 10);
  t.platform.set_joystick_state(a, 14);
  show_title_menu(g);
  EXPECT_EQ(started(), std::tuple(PlayMode::kPractice, 2, -1));
}

TEST_F(PlayModesTest, TheDaysGameOfGeneratedLevelsTakesItsDateFromUtc) {
  t.platform.set_local_time({2026, 12, 9, 0, 30, 0});  // already tomorrow where the player is
  t.platform.set_utc_time({2026, 12, 8, 23, 30, 0});
  tap(key::kT, 3);
  show_title_menu(g);
  EXPECT_EQ(std::tuple(started(), g.frame.play.daily_date, g.frame.play.daily_world_random,
                       level_world_random(g)),
            std::tuple(std::tuple(PlayMode::kDaily, 1, -1), "2026-12-08",
                       daily_world_random(2026, 12, 8), g.frame.play.daily_world_random));

  // A data set of fixed level files has no day's labyrinth: T does nothing there.
  g.config.generate_levels = 0;
  const std::int64_t f = t.platform.frame() + 2;
  tap(key::kT, f);
  t.platform.hold_key(key::kP, f + 6);
  show_title_menu(g);
  EXPECT_EQ(started(), std::tuple(PlayMode::kNormal, 1, -1));
  EXPECT_EQ(level_world_random(g), g.config.world_random);
}

TEST_F(PlayModesTest, DailyOnTheCommandLineStartsTheDaysGameOnceWithoutTheTitle) {
  g.frame.play.daily_at_start = true, g.world.level = 6;
  show_title_menu(g);
  EXPECT_EQ(t.platform.frame(), 0);  // no title frame
  EXPECT_EQ(started(), std::tuple(PlayMode::kDaily, 1, -1));
  // The game's recording starts from the day's labyrinth seed, so it plays again on any day.
  const auto& start = g.tape.start;
  const auto seed = std::find_if(start.begin(), start.end(),
                                 [](const auto& value) { return value.first == "world-random"; });
  ASSERT_NE(seed, start.end());
  EXPECT_EQ(seed->second, g.frame.play.daily_world_random);
  EXPECT_FALSE(g.frame.menu_active);
  t.platform.hold_key(key::kP, 3);
  show_title_menu(g);  // the title after that game is the usual one
  EXPECT_EQ(t.platform.frame(), 3);
  EXPECT_EQ(started(), std::tuple(PlayMode::kNormal, 1, -1));
}

// PRACTICE ("E") or DAILY with its date ("A") stand below the time, left of the goal counter;
// a normal game shows nothing there.
TEST_F(PlayModesTest, TheHeadUpDisplaySaysWhatKindOfGameItIs) {
  const test::Rect below_time{0, 18, 70, 10};
  const auto shows = [&](PlayMode mode, const char* glyph) {
    test::load_test_font(t, glyph);
    g.frame.play.mode = mode, g.frame.play.daily_date = "2026-12-08";
    const media::Image& frame = test::draw_frame(t, [&] { draw_hud(g); });
    return test::anything_but(frame, media::rgb(0, 0, 0), below_time);
  };
  EXPECT_TRUE(shows(PlayMode::kPractice, "E"));
  EXPECT_FALSE(shows(PlayMode::kNormal, "E"));
  EXPECT_TRUE(shows(PlayMode::kDaily, "A"));
  EXPECT_FALSE(shows(PlayMode::kNormal, "A"));
}

}  // namespace
}  // namespace orv
