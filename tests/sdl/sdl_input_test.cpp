#include <gtest/gtest.h>

#include <set>
#include <string>

#include "media/platform_sdl/sdl_keys.h"
#include "sdl/sdl_test_support.h"

namespace orv::media {
namespace {

using testing::make_platform;
using testing::pump_until;
using testing::run_with_retries;

TEST(SdlPlatform, KeyTableMapsEachKeyToItsOwnPhysicalKey) {
  EXPECT_EQ(scancode_of_key(key::kEscape), SDL_SCANCODE_ESCAPE);
  EXPECT_EQ(scancode_of_key(key::kP), SDL_SCANCODE_P);
  EXPECT_EQ(scancode_of_key(key::kSpace), SDL_SCANCODE_SPACE);
  EXPECT_EQ(scancode_of_key(key::kUp), SDL_SCANCODE_UP);
  EXPECT_EQ(scancode_of_key(key::kPageDown), SDL_SCANCODE_PAGEDOWN);
  EXPECT_EQ(scancode_of_key(key::kF12), SDL_SCANCODE_F12);
  // An extended key and the keypad key with the same low seven bits are different keys.
  EXPECT_EQ(scancode_of_key(0x48), SDL_SCANCODE_KP_8);
  EXPECT_EQ(scancode_of_key(0x9C), SDL_SCANCODE_KP_ENTER);
  EXPECT_EQ(scancode_of_key(0xB5), SDL_SCANCODE_KP_DIVIDE);
  EXPECT_EQ(scancode_of_key(-1), SDL_SCANCODE_UNKNOWN);

  std::set<SDL_Scancode> seen;
  for (int key = 0; key < key::kCount; ++key) {
    SDL_Scancode scancode = scancode_of_key(key);
    if (scancode == SDL_SCANCODE_UNKNOWN) continue;
    EXPECT_TRUE(seen.insert(scancode).second) << "key " << key << " repeats a scancode";
  }
}

TEST(SdlPlatform, RealKeyPressesReachTheKeyStates) {
  if (std::system("command -v xdotool > /dev/null") != 0) GTEST_SKIP() << "no xdotool";
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  ASSERT_TRUE(platform->open_window(320, 240, "ORVANTE keys"));
  ASSERT_TRUE(pump_until(
      *platform, [&] { return SDL_GetWindowFlags(platform->window()) & SDL_WINDOW_INPUT_FOCUS; }));
  KeyStates keys{};
  auto down = [&](std::initializer_list<int> wanted) {
    platform->read_keys(keys);
    for (int key : wanted) {
      if (!keys[key]) return false;
    }
    return true;
  };
  ASSERT_TRUE(run_with_retries("xdotool keydown p keydown KP_Enter keydown Up"));
  EXPECT_TRUE(pump_until(*platform, [&] { return down({key::kP, 0x9C, key::kUp}); }));
  EXPECT_FALSE(keys[0x1C]) << "keypad Enter is not Return";
  EXPECT_FALSE(keys[0x48]) << "the Up arrow is not keypad 8";
  ASSERT_TRUE(run_with_retries("xdotool keyup p keyup KP_Enter keyup Up"));
  EXPECT_TRUE(pump_until(*platform, [&] { return !down({key::kP}); }));
}

TEST(SdlPlatform, JoystickAxesAreScaledAndButtonsNumberedFromOne) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  if (SDL_NumJoysticks() != 0) GTEST_SKIP() << "a real joypad is attached";
  EXPECT_FALSE(platform->open_joystick());
  int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 10, 0);
  ASSERT_GE(device, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(device);
  ASSERT_TRUE(pad && platform->open_joystick());

  SDL_JoystickSetVirtualAxis(pad, 0, -32768);
  SDL_JoystickSetVirtualAxis(pad, 1, 16384);
  SDL_JoystickSetVirtualButton(pad, 0, 1);
  SDL_JoystickSetVirtualButton(pad, 9, 1);
  JoystickState state;
  platform->read_joystick(state);
  EXPECT_EQ(state.axis_x, -1000);
  EXPECT_EQ(state.axis_y, 500);
  EXPECT_TRUE(state.buttons[0]) << "SDL button 0 is the game's button 1";
  EXPECT_FALSE(state.buttons[1]);
  EXPECT_TRUE(state.buttons[9]);
  SDL_JoystickClose(pad);
}

}  // namespace
}  // namespace orv::media
