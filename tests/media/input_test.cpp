// Keyboard snapshots with release-once marks, and the joypad's thresholds and buttons.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "media/input.h"
#include "media/keys.h"
#include "support/input_fake_platform.h"

namespace orv::media {
namespace {

using testing::InputFakePlatform;

class InputKeyboard : public ::testing::Test {
 protected:
  // Takes one snapshot with exactly these keys down.
  void snapshot(std::initializer_list<int> down) {
    platform_.set_keys_down(down);
    input_.examine_keyboard();
  }

  InputFakePlatform platform_;
  Input input_{platform_};
};

TEST_F(InputKeyboard, PushedWhileDownInTheSnapshot) {
  snapshot({key::kP, key::kUp});
  EXPECT_TRUE(input_.keyboard_pushed(key::kP));
  EXPECT_TRUE(input_.keyboard_pushed(key::kUp));
  EXPECT_FALSE(input_.keyboard_pushed(key::kA));
  EXPECT_TRUE(input_.keyboard_pushed(key::kAny));
  platform_.set_keys_down({});  // the platform changed, but no new snapshot yet
  EXPECT_TRUE(input_.keyboard_pushed(key::kP));
  snapshot({});
  EXPECT_FALSE(input_.keyboard_pushed(key::kP));
  EXPECT_FALSE(input_.keyboard_pushed(key::kAny));
}

TEST_F(InputKeyboard, ReleaseCountsOnceAtTheFirstSnapshotWithTheKeyUp) {
  snapshot({key::kF12});
  EXPECT_FALSE(input_.keyboard_released(key::kF12));
  snapshot({key::kF12});  // held: no release
  EXPECT_FALSE(input_.keyboard_released(key::kF12));
  snapshot({});
  EXPECT_TRUE(input_.keyboard_released(key::kF12));
  EXPECT_TRUE(input_.keyboard_released(key::kF12));  // asking again within the snapshot
  snapshot({});
  EXPECT_FALSE(input_.keyboard_released(key::kF12));
}

TEST_F(InputKeyboard, KeyNeverSeenDownIsNeverReleased) {
  snapshot({});
  snapshot({});
  EXPECT_FALSE(input_.keyboard_released(key::kPageUp));
  EXPECT_FALSE(input_.keyboard_released(key::kAny));
}

TEST_F(InputKeyboard, AnyKeyReleaseAndOtherKeysUnaffected) {
  snapshot({key::kPageUp, key::kPageDown});
  snapshot({key::kPageDown});
  EXPECT_TRUE(input_.keyboard_released(key::kAny));
  EXPECT_TRUE(input_.keyboard_released(key::kPageUp));
  EXPECT_FALSE(input_.keyboard_released(key::kPageDown));
  snapshot({key::kPageDown});
  EXPECT_FALSE(input_.keyboard_released(key::kAny));
}

TEST_F(InputKeyboard, KeysOutsideTheTableAreNeverDown) {
  platform_.keys.fill(true);
  input_.examine_keyboard();
  for (int k : {-2, 256, 1000, -1000}) {
    EXPECT_FALSE(input_.keyboard_pushed(k)) << k;
    EXPECT_FALSE(input_.keyboard_released(k)) << k;
  }
}

TEST(InputInit, ReportsTheDevicesThePlatformHas) {
  InputFakePlatform platform;
  platform.keyboard_present = false;
  Input input(platform);
  EXPECT_FALSE(input.init_keyboard());
  EXPECT_TRUE(input.init_mouse());
  EXPECT_FALSE(input.init_joystick());
  platform.keyboard_present = platform.joystick_present = true;
  EXPECT_TRUE(input.init_keyboard());
  EXPECT_TRUE(input.init_joystick());
}

struct AxisCase {
  int raw;
  int direction;
};

void PrintTo(const AxisCase& c, std::ostream* os) {
  *os << c.raw;
}

class InputJoystickAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(InputJoystickAxis, ThresholdsAt500) {
  InputFakePlatform platform;
  platform.joystick_present = true;
  platform.pad.axis_x = GetParam().raw;
  platform.pad.axis_y = -GetParam().raw;
  Input input(platform);
  ASSERT_TRUE(input.init_joystick());
  input.examine_joystick();
  EXPECT_EQ(input.joystick_axis_x(), GetParam().direction);
  EXPECT_EQ(input.joystick_axis_y(), -GetParam().direction);
}

INSTANTIATE_TEST_SUITE_P(, InputJoystickAxis,
                         ::testing::Values(AxisCase{-1000, -1}, AxisCase{-501, -1},
                                           AxisCase{-500, 0}, AxisCase{0, 0}, AxisCase{500, 0},
                                           AxisCase{501, 1}, AxisCase{1000, 1}));

TEST(InputJoystick, ButtonsAreNumberedFromOne) {
  InputFakePlatform platform;
  platform.joystick_present = true;
  platform.pad.buttons[0] = true;   // button 1
  platform.pad.buttons[9] = true;   // button 10
  platform.pad.buttons[31] = true;  // button 32, the last
  Input input(platform);
  input.init_joystick();
  input.examine_joystick();
  EXPECT_TRUE(input.joystick_button(1));
  EXPECT_FALSE(input.joystick_button(2));
  EXPECT_TRUE(input.joystick_button(10));
  EXPECT_TRUE(input.joystick_button(32));
  for (int n : {0, -1, 33, 1000}) EXPECT_FALSE(input.joystick_button(n)) << n;
}

TEST(InputJoystick, WithoutAJoystickEverythingReadsZero) {
  InputFakePlatform platform;
  platform.pad.axis_x = 1000;
  platform.pad.buttons[0] = true;
  Input input(platform);
  EXPECT_FALSE(input.init_joystick());
  platform.joystick_present = true;  // plugged in later: still not used
  input.examine_joystick();
  EXPECT_EQ(input.joystick_axis_x(), 0);
  EXPECT_FALSE(input.joystick_button(1));
}

}  // namespace
}  // namespace orv::media
