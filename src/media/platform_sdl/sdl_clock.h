// The clock of the SDL platform: a monotonic time in nanoseconds, sleeping without spinning and
// the local time.
#pragma once

#include <cstdint>

#include "media/platform.h"

namespace orv::media {

std::int64_t sdl_now_ns();
void sdl_sleep_ns(std::int64_t ns);
// Sleeps until sdl_now_ns() reaches the deadline; returns at once when it has passed.
void sdl_sleep_until_ns(std::int64_t deadline_ns);
LocalTime local_time_now();
LocalTime utc_time_now();

}  // namespace orv::media
