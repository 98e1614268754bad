// The options screen from the title: keys and the pad alone change the settings, the name and
// the key bindings; the changes are applied at once and kept in the per-user files.
#include "screens/options_screen.h"

#include <tuple>

#include "game/settings_file.h"
#include "input/controls_file.h"
#include "screens/options_pages.h"
#include "screens/screen_test_support.h"
#include "screens/title_menu.h"

namespace orv {
namespace {

namespace key = media::key;

class OptionsScreenTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    test::load_test_font(t, "AB04");
    t.game.frame.user_config_folder = t.dir.path() + "config/";
    t.game.world.login_name = "tester";
  }
  // A key pressed at frame `at` for two frames; returns the frame after it is let go and seen.
  std::int64_t tap(int k, std::int64_t at) {
    t.platform.tap_key(k, at, 2);
    return at + 4;
  }
  // Taps the keys one after the other from frame `at`; returns the frame after the last.
  std::int64_t taps(std::initializer_list<int> keys, std::int64_t at) {
    for (int k : keys) at = tap(k, at);
    return at;
  }
  // The pad in this state from frame `at` for two frames, then let go.
  std::int64_t pad(std::int64_t at, std::initializer_list<int> buttons, int x = 0, int y = 0) {
    media::JoystickState s{.connected = true, .axis_x = x, .axis_y = y};
    for (int b : buttons) s.buttons[std::size_t(b - 1)] = true;
    t.platform.set_joystick_state(s, at);
    t.platform.set_joystick_state({.connected = true}, at + 2);
    return at + 4;
  }
  std::string saved_settings() { return t.dir.read("config/settings.txt"); }
};

TEST_F(OptionsScreenTest, ArrowsChangeTheVolumesAtOnce) {
  std::int64_t f = tap(key::kO, 2);
  // MUSIC 9, then 8; EFFECTS 9; SCALING SHARP.
  f = taps({key::kLeft, key::kLeft, key::kDown, key::kLeft, key::kDown, key::kDown, key::kRight,
            key::kEscape},
           f + 2);
  t.platform.hold_key(key::kP, f + 4);
  show_title_menu(t.game);

  EXPECT_EQ(std::tuple(t.game.settings.music_volume, t.game.settings.effects_volume,
                       t.media.sound.volume(media::SoundGroup::kMusic),
                       t.media.sound.volume(media::SoundGroup::kEffects), t.platform.scaling()),
            std::tuple(8, 9, 8, 9, media::Scaling::kSharp));
  std::ostringstream errors;
  const Settings kept = parse_settings(saved_settings(), "settings.txt", errors);
  EXPECT_EQ(std::tuple(kept, errors.str()), std::tuple(t.game.settings, ""));
}

TEST_F(OptionsScreenTest, ThePadAloneNamesThePlayerLetterByLetter) {
  t.platform.set_joystick(true, 0);
  t.game.frame.joypad_present = t.media.input.init_joystick();
  ASSERT_TRUE(t.game.frame.joypad_present);
  std::int64_t f = pad(1, {});
  f = pad(f, {4});                                                   // Y: the options
  for (int i = 0; i < kRowPlayerName; ++i) f = pad(f, {}, 0, 1000);  // down to PLAYER NAME
  f = pad(f, {2});                                                   // A: the name entry
  f = pad(f, {}, 0, -1000);                                          // up: "A"
  f = pad(f, {}, 0, -1000);                                          // up: "B"
  f = pad(f, {}, 1000, 0);                                           // right: the next letter
  f = pad(f, {}, 0, -1000);                                          // up: "BA"
  f = pad(f, {}, 0, 1000);                                           // down: "B " (space)
  f = pad(f, {}, 0, 1000);                                           // down: wraps to the last
  f = pad(f, {}, 0, -1000);                                          // up: " " again
  f = pad(f, {}, 0, -1000);                                          // up: "BA"
  f = pad(f, {2});                                                   // A: kept
  f = pad(f, {9});                                                   // Back: the title
  pad(f, {10});                                                      // START
  show_title_menu(t.game);

  EXPECT_EQ(t.game.settings.player_name, "BA");
  EXPECT_EQ(t.game.world.player_name, "BA");
  EXPECT_NE(saved_settings().find("PLAYERNAME\nBA\n"), std::string::npos);
}

TEST_F(OptionsScreenTest, ATypedNameKeepsWhatTheFontDrawsOrFallsBackToTheLogin) {
  // Up wraps to CONTROLS, up again to PLAYER NAME; the font has no C.
  const std::int64_t f = taps({key::kUp, key::kUp, key::kReturn, key::kB, key::kC, key::kA,
                               key::k1 + 3, key::kSpace, key::kReturn},
                              2);
  tap(key::kEscape, f);
  show_options_screen(t.game);
  EXPECT_EQ(t.game.settings.player_name, "BA4");
  EXPECT_EQ(t.game.world.player_name, "BA4");

  // Erased to nothing: the login name again.
  taps({key::kUp, key::kUp, key::kReturn, key::kBackspace, key::kBackspace, key::kBackspace,
        key::kBackspace, key::kReturn, key::kEscape},
       t.platform.frame() + 2);
  show_options_screen(t.game);
  EXPECT_EQ(t.game.settings.player_name, "");
  EXPECT_EQ(t.game.world.player_name, "tester");
}

TEST_F(OptionsScreenTest, AChosenControlTakesTheNextKeyKeepingOtherLines) {
  t.dir.write("config/controls.txt", "LEFT\nA\nNOSUCH\nQ\n");
  std::ostringstream errors;
  read_controls_file(t.game, t.game.frame.user_config_folder + "controls.txt", errors);
  // CONTROLS; its page, on UP; UP takes W; DOWN waits for its key, but Escape cancels and DOWN
  // keeps its arrow; Escape to the list, Escape to the title.
  taps({key::kUp, key::kReturn, key::kReturn, key::kW, key::kDown, key::kReturn, key::kEscape,
        key::kEscape, key::kEscape},
       2);
  show_options_screen(t.game);

  EXPECT_EQ(
      std::tuple(t.game.input.keys[std::size_t(Control::kUp)],
                 t.game.input.keys[std::size_t(Control::kDown)], t.dir.read("config/controls.txt")),
      std::tuple(std::vector<int>{key::kW}, std::vector<int>{key::kDown},
                 "LEFT\nA\nNOSUCH\nQ\nUP\nW\n"));
}

}  // namespace
}  // namespace orv
