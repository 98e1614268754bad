// Input scripts (media/input_script.h) on the headless platform: scheduling and recording.
#pragma once

#include <cstdint>
#include <vector>

#include "media/input_script.h"
#include "media/platform_headless/headless_platform.h"

namespace orv::test {

using media::format_input_script;
using media::KeyEvent;
using media::parse_input_script;

// Schedules every event on the platform before the game starts.
void schedule(media::HeadlessPlatform& platform, const std::vector<KeyEvent>& events);

// Records the keys a player holds: set() changes the held keys from the platform's current
// frame on and logs only the changes.
class KeyRecorder {
 public:
  explicit KeyRecorder(media::HeadlessPlatform& platform) : platform_(platform) {}
  // From the given frame on (which may lie ahead); -1 is the current frame.
  void set(int key, bool down, std::int64_t frame = -1);
  void release_all();
  const std::vector<KeyEvent>& events() const { return events_; }

 private:
  media::HeadlessPlatform& platform_;
  std::vector<KeyEvent> events_;
  std::vector<int> held_;
};

}  // namespace orv::test
