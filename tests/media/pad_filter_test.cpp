// Which devices may drive the game: pads yes; motion sensors, mice and keyboards never.
#include "media/pad_filter.h"

#include <gtest/gtest.h>

namespace orv::media {
namespace {

TEST(PadFilter, OnlyPadsCount) {
  const std::pair<PadTraits, bool> cases[] = {
      {{"Xbox Wireless Controller", true, 6, 11, 1}, true},
      {{"Sony Interactive Entertainment Wireless Controller Motion Sensors", true, 6, 0, 0}, false},
      {{"Nintendo Switch Pro Controller IMU", false, 6, 0, 0}, false},
      {{"ST LIS3LV02DL Accelerometer", false, 3, 0, 0}, false},
      {{"Logitech Gaming Mouse G502", false, 2, 12, 0}, false},
      {{"Corsair Gaming Keyboard", true, 2, 10, 0}, false},
      {{"SynPS/2 Synaptics TouchPad", false, 2, 4, 0}, false},
      {{"USB Gamepad", false, 2, 10, 0}, true},  // unknown make, raw numbering
      {{"Retro Pad", false, 0, 8, 1}, true},     // a hat for its directions
      {{"Media knob", false, 1, 8, 0}, false},   // buttons enough, one axis only
      {{"Two-button stick", false, 2, 2, 0}, false},
  };
  for (const auto& [device, pad] : cases) EXPECT_EQ(counts_as_pad(device), pad) << device.name;
}

}  // namespace
}  // namespace orv::media
