// The clock of the SDL platform: a monotonic time in nanoseconds, sleeping and the local time.
#pragma once

#include <cstdint>

#include "media/platform.h"

namespace orv::media {

std::int64_t sdl_now_ns();
// Sleeps ns nanoseconds, spinning through the last stretch, which SDL_Delay may oversleep.
void sdl_sleep_ns(std::int64_t ns);
LocalTime local_time_now();

}  // namespace orv::media
