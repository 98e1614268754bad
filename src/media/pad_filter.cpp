// Telling game pads from the other devices that show up as joysticks.
#include "media/pad_filter.h"

#include <algorithm>
#include <cctype>

namespace orv::media {
namespace {

// Parts of device names that mark something other than a game pad, in lower case.
constexpr const char* kNotPads[] = {"motion sensor", "accelerometer", "gyro",    "mouse",
                                    "keyboard",      "touchpad",      "trackpad"};

constexpr int kMinButtons = 4;

bool name_says_not_a_pad(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return std::any_of(std::begin(kNotPads), std::end(kNotPads),
                     [&](const char* part) { return name.find(part) != std::string::npos; });
}

}  // namespace

bool counts_as_pad(const PadTraits& device) {
  if (name_says_not_a_pad(device.name)) return false;
  if (device.mapped) return true;
  const bool direction = device.axes >= 2 || device.hats >= 1;
  return direction && device.buttons >= kMinButtons;
}

}  // namespace orv::media
