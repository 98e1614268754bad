// Recorded keyboard input: which key went down or up at which frame, as a small text file that
// can be replayed on the headless platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/platform_headless/headless_platform.h"

namespace orv::test {

struct KeyEvent {
  std::int64_t frame = 0;  // frames are counted by presents, as on the headless platform
  int key = 0;
  bool down = false;
  bool operator==(const KeyEvent&) const = default;
};

// One event per line: "<frame> <key name> down|up". Blank lines and lines starting with "#"
// are comments. Key names: P, ESCAPE, SPACE, B, X, UP, DOWN, LEFT, RIGHT, F12. Any other line
// makes the whole script invalid (nullopt), so a damaged recording cannot replay half-way.
std::optional<std::vector<KeyEvent>> parse_input_script(const std::string& text);
std::string format_input_script(const std::vector<KeyEvent>& events, const std::string& header);

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
