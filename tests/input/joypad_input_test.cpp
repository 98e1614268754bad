// The pad's side of read_input: axes, the ten buttons, the action latch, and the keyboard
// beside it; pads plugged in and pulled out during play.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <vector>

#include "input/input_test_support.h"

namespace orv {
namespace {

namespace key = media::key;

media::JoystickState pad_state(std::initializer_list<int> buttons, int x = 0, int y = 0) {
  media::JoystickState s{.axis_x = x, .axis_y = y};
  for (int b : buttons) s.buttons[std::size_t(b - 1)] = true;
  return s;
}

// A pad connected at start-up; the player on cell (3, 3).
class Joypad : public test::InputTest {
 protected:
  Joypad() {
    g.world.player.x = g.world.player.y = 64;
    t.platform.set_joystick(true);
    g.frame.joypad_present = g.media.input.init_joystick();
  }
  void pad(std::initializer_list<int> buttons, int x = 0, int y = 0) {
    t.platform.set_joystick_state(pad_state(buttons, x, y), now());
  }
};

TEST_F(Joypad, AxesGiveTheDirectionWithDiagonalsVertical) {
  const std::tuple<int, int, HeldDirection> cases[] = {
      {1000, 0, HeldDirection::kRight},   {-1000, 0, HeldDirection::kLeft},
      {0, 1000, HeldDirection::kDown},    {0, -1000, HeldDirection::kUp},
      {1000, 1000, HeldDirection::kDown}, {-1000, 1000, HeldDirection::kDown},
      {1000, -1000, HeldDirection::kUp},  {-1000, -1000, HeldDirection::kUp},
      {400, -400, HeldDirection::kNone}};
  for (auto [x, y, held] : cases) {
    pad({}, x, y);
    frame();
    EXPECT_EQ(g.input.held_direction, held) << x << ", " << y;
  }
  pad({}, 1000, 0);
  const float before = g.world.player.x;
  frame();
  EXPECT_EQ(g.world.player.x, before + 32) << "the pad steps the player";
}

// Buttons 1 to 10 give their commands (menu active, so that no dialog opens); with several
// down, the lowest gives its command.
TEST_F(Joypad, EachButtonGivesItsCommandTheLowestWinning) {
  g.frame.menu_active = true;
  const Command commands[] = {
      Command::kX,       Command::kA,       Command::kB,       Command::kY,    Command::kButton5,
      Command::kButton6, Command::kButton7, Command::kButton8, Command::kQuit, Command::kStart};
  for (int button = 1; button <= 10; ++button) {
    pad({button});
    EXPECT_EQ(frame(), commands[button - 1]) << button;
    pad({});
    EXPECT_EQ(frame(), Command::kNone);
  }
  pad({2, 1, 10});
  EXPECT_EQ(frame(), Command::kX);
  pad({10, 9});
  EXPECT_EQ(frame(), Command::kQuit);
}

TEST_F(Joypad, HoldingButtonTwoDetonatesOneBombPerPress) {
  g.world.bombs = 3;
  frame();
  pad({2});
  frames(5);
  EXPECT_EQ(g.world.bombs, 2);
  pad({2, 4});  // another button beside it does not re-arm
  frames(2);
  EXPECT_EQ(g.world.bombs, 2);
  pad({});
  frame();
  pad({2});
  frames(2);
  EXPECT_EQ(g.world.bombs, 1);
}

TEST_F(Joypad, TheKeyboardWorksBesideIt) {
  g.world.bombs = 1;
  press(key::kRight);
  EXPECT_EQ(g.world.player.x, 96);
  press(key::kSpace);
  EXPECT_EQ(g.world.bombs, 0);
  g.frame.menu_active = true;
  EXPECT_EQ(press(key::kP), Command::kStart);
  pad({1});  // a command from the keyboard comes before the pad's
  EXPECT_EQ(press(key::kB), Command::kB);
  pad({}, 0, -1000);  // a direction on the pad wins over the keyboard's
  hold(key::kDown);
  frame();
  EXPECT_EQ(g.input.held_direction, HeldDirection::kUp);
  EXPECT_TRUE(g.frame.joypad_present);
}

// Keyboard play; a pad holding button 1 (X) plugged in at frame 2 and pulled out at frame 4.
using JoypadHotPlug = test::InputTest;

TEST_F(JoypadHotPlug, TheKeyboardAlwaysWorksAPadOnlyWhileConnected) {
  g.frame.menu_active = true;
  EXPECT_FALSE(g.media.input.init_joystick());
  t.platform.set_joystick_state(pad_state({1}));
  t.platform.set_joystick(true, 2);
  t.platform.set_joystick(false, 4);
  t.platform.hold_key(key::kY, 5);
  std::vector<bool> present;
  std::vector<Command> commands;
  for (int i = 0; i < 6; ++i) {
    commands.push_back(frame());
    present.push_back(g.frame.joypad_present);
  }
  EXPECT_EQ(present, (std::vector<bool>{false, false, true, true, false, false}));
  EXPECT_EQ(commands, (std::vector<Command>{Command::kNone, Command::kNone, Command::kX,
                                            Command::kX, Command::kNone, Command::kY}));
}

}  // namespace
}  // namespace orv
