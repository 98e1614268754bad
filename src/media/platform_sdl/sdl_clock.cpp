#include "media/platform_sdl/sdl_clock.h"

#include <cerrno>
#include <ctime>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace orv::media {

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

[[maybe_unused]] timespec to_timespec(std::int64_t ns) {
  timespec t{};
  t.tv_sec = time_t(ns / kNsPerSecond);
  t.tv_nsec = long(ns % kNsPerSecond);
  return t;
}

}  // namespace

// CLOCK_MONOTONIC, the clock clock_nanosleep can sleep against (SDL's performance counter
// may be CLOCK_MONOTONIC_RAW, whose readings drift away from it).
std::int64_t sdl_now_ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t(t.tv_sec) * kNsPerSecond + t.tv_nsec;
}

void sdl_sleep_ns(std::int64_t ns) {
  if (ns > 0) sdl_sleep_until_ns(sdl_now_ns() + ns);
}

// An absolute deadline: a signal that interrupts the sleep resumes it against the same
// deadline, and the kernel wakes the thread within its timer slack (50 us by default).
void sdl_sleep_until_ns(std::int64_t deadline_ns) {
  if (deadline_ns <= 0) return;
#ifdef __EMSCRIPTEN__
  // In the browser the sleep hands control back to the page (a timer wakes the game again),
  // which is when the canvas is painted and input arrives: a clock_nanosleep there would spin.
  const std::int64_t left_ns = deadline_ns - sdl_now_ns();
  emscripten_sleep(unsigned(left_ns > 0 ? (left_ns + 500'000) / 1'000'000 : 0));
#else
  const timespec deadline = to_timespec(deadline_ns);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
#endif
}

LocalTime local_time_now() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

LocalTime utc_time_now() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  gmtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace orv::media
