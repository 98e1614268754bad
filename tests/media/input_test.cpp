// Keyboard snapshots with release-once marks, and the joypad's thresholds and buttons.
#include "media/input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/platform_headless/headless_platform.h"

namespace orv::media {
namespace {

class InputTest : public ::testing::Test {
 protected:
  // The next frame, with exactly the given keys down.
  void snapshot(std::initializer_list<int> down) {
    platform_.present(nullptr, 0, 0);
    for (int k = 0; k < key::kCount; ++k) platform_.release_key(k);
    for (int k : down) platform_.hold_key(k);
    input_.examine_keyboard();
  }
  bool pushed(int k) const { return input_.keyboard_pushed(k); }
  bool released(int k) const { return input_.keyboard_released(k); }

  HeadlessPlatform platform_;
  Input input_{platform_};
};

TEST_F(InputTest, KeysReadAsOfTheLastSnapshotWithEachReleaseSeenOnce) {
  snapshot({key::kF12, key::kPageUp});
  platform_.release_key(key::kF12);  // no new snapshot yet
  EXPECT_TRUE(pushed(key::kF12) && pushed(key::kAny));
  EXPECT_FALSE(pushed(key::kA) || released(key::kF12) || released(key::kAny));
  snapshot({key::kF12, key::kPageUp});  // held: no release
  EXPECT_FALSE(released(key::kF12) || released(key::kAny));
  snapshot({key::kPageUp});
  EXPECT_TRUE(released(key::kF12) && released(key::kAny));
  EXPECT_FALSE(pushed(key::kF12) || released(key::kPageUp));
  snapshot({key::kPageUp});
  EXPECT_FALSE(released(key::kF12) || released(key::kAny));
  for (int k : {-2, key::kCount}) EXPECT_FALSE(pushed(k) || released(k)) << k;  // outside the table
}

// A bot holds and releases keys for hours: forgetting the past changes keeps what the keys do
// now and what is scheduled for later.
TEST_F(InputTest, ForgettingPastKeyChangesLosesNoCurrentOrScheduledKey) {
  for (int i = 0; i < 50; ++i) i % 2 == 1 ? snapshot({key::kA}) : snapshot({});
  platform_.hold_key(key::kB, platform_.frame() + 2);
  platform_.release_key(key::kB, platform_.frame() + 3);
  platform_.forget_past_key_changes();
  KeyStates keys{};
  std::vector<std::string> seen;  // the keys down of each frame
  for (int i = 0; i < 4; ++i) {
    platform_.read_keys(keys);
    seen.push_back(std::string(keys[key::kA] ? "A" : "") + (keys[key::kB] ? "B" : ""));
    platform_.present(nullptr, 0, 0);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"A", "A", "AB", "A"}));
}

// Axes turn past 500 either way; buttons count from one.
TEST_F(InputTest, JoypadStateReadsInTheGamesTerms) {
  JoystickState pad;
  pad.buttons[0] = pad.buttons[31] = true;
  platform_.set_joystick(true);
  platform_.set_joystick_state(pad);
  ASSERT_TRUE(input_.init_joystick());
  for (auto [raw, direction] :
       {std::pair(-501, -1), std::pair(-500, 0), std::pair(500, 0), std::pair(501, 1)}) {
    pad.axis_x = raw;
    pad.axis_y = -raw;
    platform_.set_joystick_state(pad);
    input_.examine_joystick();
    EXPECT_EQ(input_.joystick_axis_x(), direction) << raw;
    EXPECT_EQ(input_.joystick_axis_y(), -direction) << raw;
  }
  EXPECT_TRUE(input_.joystick_button(1) && input_.joystick_button(32));
  for (int n : {0, 2, 33}) EXPECT_FALSE(input_.joystick_button(n)) << n;
}

// A pad plugged in after start-up is read from the next snapshot on; one pulled out reads as
// nothing at all, whatever it held.
TEST_F(InputTest, PadsMayConnectOrDisconnectAtAnyTime) {
  JoystickState pad;
  pad.axis_x = 1000;
  pad.buttons[1] = true;
  platform_.set_joystick_state(pad);
  input_.examine_joystick();
  EXPECT_FALSE(input_.joystick_present()) << "not read before init_joystick";
  EXPECT_FALSE(input_.init_joystick());
  platform_.set_joystick(true, 2);
  platform_.set_joystick(false, 4);
  std::vector<std::string> seen;  // of each frame: present, right, button 2
  for (int frame = 0; frame < 6; ++frame) {
    input_.examine_joystick();
    seen.push_back(std::string(input_.joystick_present() ? "P" : "") +
                   (input_.joystick_axis_x() == 1 ? "R" : "") +
                   (input_.joystick_button(2) ? "2" : ""));
    platform_.present(nullptr, 0, 0);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"", "", "PR2", "PR2", "", ""}));
}

}  // namespace
}  // namespace orv::media
