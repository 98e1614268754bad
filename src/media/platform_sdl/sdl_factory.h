// Making the SDL platform, for the game itself and the tests of the platform. This header
// includes no SDL, so the game's entry point stays free of it.
#pragma once

#include <memory>

#include "media/platform.h"

namespace orv::media {

// How pictures reach the screen: chosen by the platform (the GPU where it is real hardware),
// or forced to the CPU's window surface or to an SDL GL renderer.
enum class Presenter { kAuto, kSoftware, kGpu };

// Starts SDL's video system and makes the platform; null when there is no usable display.
std::unique_ptr<Platform> make_sdl_platform(Presenter presenter = Presenter::kAuto);

}  // namespace orv::media
