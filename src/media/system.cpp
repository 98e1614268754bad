// Message boxes and sleeping.
#include "media/system.h"

#include <algorithm>
#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orv::media {

void keep_large_blocks_returnable() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 1 << 20);  // a fixed threshold also stops it from moving
#endif
}

int System::message_requester(const std::string& title, const std::string& text, int flags) {
  std::string line = title + ": " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  BoxButtons buttons = flags == kRequesterYesNo ? BoxButtons::kYesNo : BoxButtons::kOk;
  return platform_.message_box(title, text, buttons) == BoxAnswer::kNo ? 0 : 1;
}

void System::notice(const std::string& text) {
  const std::string line = "orvante: " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

// Sleeps in short slices and keeps the window alive meanwhile, so a long pause (the intro
// waits seconds) still answers a close request from the desktop.
void System::delay(int ms) {
  constexpr std::int64_t kSliceNs = 50'000'000;
  std::int64_t left = std::int64_t(std::max(ms, 0)) * 1'000'000;
  while (left > 0) {
    const std::int64_t slice = std::min(left, kSliceNs);
    platform_.sleep_ns(slice);
    left -= slice;
    platform_.pump_events();
    if (close_handler_ && platform_.close_requested()) close_handler_();
  }
}

}  // namespace orv::media
