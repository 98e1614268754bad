#include "support/input_script.h"

#include <algorithm>

namespace orv::test {

void schedule(media::HeadlessPlatform& platform, const std::vector<KeyEvent>& events) {
  for (const KeyEvent& e : events) {
    if (e.down)
      platform.hold_key(e.key, e.frame);
    else
      platform.release_key(e.key, e.frame);
  }
}

void KeyRecorder::set(int key, bool down, std::int64_t frame) {
  const auto at = std::find(held_.begin(), held_.end(), key);
  if ((at != held_.end()) == down) return;
  if (down)
    held_.push_back(key);
  else
    held_.erase(at);
  events_.push_back({frame < 0 ? platform_.frame() : frame, key, down});
  schedule(platform_, {events_.back()});
}

void KeyRecorder::release_all() {
  while (!held_.empty()) set(held_.back(), false);
}

}  // namespace orv::test
