// Keyboard snapshots with release-once marks, and the joypad's thresholds and buttons.
#include <gtest/gtest.h>

#include "media/input.h"
#include "support/input_fake_platform.h"

namespace orv::media {
namespace {

using testing::InputFakePlatform;

class InputKeyboard : public ::testing::Test {
 protected:
  void snapshot(std::initializer_list<int> down) {
    platform_.keys.fill(false);
    for (int k : down) platform_.keys[k] = true;
    input_.examine_keyboard();
  }
  InputFakePlatform platform_;
  Input input_{platform_};
};

TEST_F(InputKeyboard, PushedFollowsTheSnapshotOnly) {
  snapshot({key::kP});
  platform_.keys.fill(false);  // no new snapshot yet
  EXPECT_TRUE(input_.keyboard_pushed(key::kP) && input_.keyboard_pushed(key::kAny));
  EXPECT_FALSE(input_.keyboard_pushed(key::kA));
  snapshot({});
  EXPECT_FALSE(input_.keyboard_pushed(key::kP) || input_.keyboard_pushed(key::kAny));
}

TEST_F(InputKeyboard, ReleaseCountsOnceAtTheFirstSnapshotWithTheKeyUp) {
  snapshot({key::kF12, key::kPageUp});
  snapshot({key::kF12, key::kPageUp});  // held: no release
  EXPECT_FALSE(input_.keyboard_released(key::kF12) || input_.keyboard_released(key::kAny));
  snapshot({key::kPageUp});
  EXPECT_TRUE(input_.keyboard_released(key::kF12) && input_.keyboard_released(key::kAny));
  EXPECT_FALSE(input_.keyboard_released(key::kPageUp));
  snapshot({key::kPageUp});
  EXPECT_FALSE(input_.keyboard_released(key::kF12) || input_.keyboard_released(key::kAny));
}

TEST_F(InputKeyboard, KeysOutsideTheTableAreNeverDownOrReleased) {
  platform_.keys.fill(true);
  input_.examine_keyboard();
  snapshot({});
  for (int k : {-2, 256, -1000})
    EXPECT_FALSE(input_.keyboard_pushed(k) || input_.keyboard_released(k));
}

struct AxisCase {
  int raw, direction;
};

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
                                           AxisCase{-500, 0}, AxisCase{500, 0}, AxisCase{501, 1}));

TEST(InputJoystick, ButtonsAreNumberedFromOne) {
  InputFakePlatform platform;
  platform.joystick_present = true;
  platform.pad.buttons[0] = platform.pad.buttons[31] = true;
  Input input(platform);
  input.init_joystick();
  input.examine_joystick();
  EXPECT_TRUE(input.joystick_button(1) && input.joystick_button(32));
  for (int n : {0, 2, 33, -1}) EXPECT_FALSE(input.joystick_button(n)) << n;
}

TEST(InputJoystick, WithoutOneAtInitEverythingReadsZero) {
  InputFakePlatform platform;
  platform.pad.axis_x = 1000;
  platform.pad.buttons[0] = true;
  Input input(platform);
  EXPECT_FALSE(input.init_joystick());
  platform.joystick_present = true;  // plugged in later: not used
  input.examine_joystick();
  EXPECT_EQ(input.joystick_axis_x(), 0);
  EXPECT_FALSE(input.joystick_button(1));
}

}  // namespace
}  // namespace orv::media
