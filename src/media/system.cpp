// Message boxes, sleeping and threads.
#include "media/system.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace orv::media {

namespace {
constexpr int kYesNoFlags = 4;
}  // namespace

void System::DetachIfRunning::operator()(std::thread* thread) const {
  if (thread->joinable()) thread->detach();
  delete thread;
}

System::~System() = default;

int System::message_requester(const std::string& title, const std::string& text, int flags) {
  std::string line = title + ": " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  BoxButtons buttons = flags == kYesNoFlags ? BoxButtons::kYesNo : BoxButtons::kOk;
  return platform_.message_box(title, text, buttons) == BoxAnswer::kNo ? 0 : 1;
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

Handle System::create_thread(std::function<void(int)> procedure, int argument) {
  if (!procedure) return 0;
  try {
    auto thread = std::make_unique<std::thread>(std::move(procedure), argument);
    return threads_.add(std::unique_ptr<std::thread, DetachIfRunning>(thread.release()));
  } catch (const std::system_error&) {
    return 0;
  }
}

void System::wait_thread(Handle thread) {
  auto* entry = threads_.get(thread);
  if (entry == nullptr) return;
  std::thread& t = **entry;
  if (t.get_id() == std::this_thread::get_id()) return;  // a thread cannot wait for itself
  if (t.joinable()) t.join();
  threads_.remove(thread);
}

}  // namespace orv::media
