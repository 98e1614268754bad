#include "media/platform_sdl/sdl_clock.h"

#include <SDL.h>

#include <ctime>
#include <thread>

#include "media/platform_sdl/sdl_convert.h"

namespace orv::media {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
// SDL_Delay may oversleep by a scheduler tick; the last stretch is spent spinning.
constexpr std::int64_t kSpinNs = 2 * kNsPerMs;

}  // namespace

std::int64_t sdl_now_ns() {
  return counter_to_ns(SDL_GetPerformanceCounter(), SDL_GetPerformanceFrequency());
}

void sdl_sleep_ns(std::int64_t ns) {
  if (ns <= 0) return;
  const std::int64_t end = sdl_now_ns() + ns;
  if (ns > kSpinNs) SDL_Delay(Uint32((ns - kSpinNs) / kNsPerMs));
  while (sdl_now_ns() < end) std::this_thread::yield();
}

LocalTime local_time_now() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace orv::media
