// Which way the SDL platform shows its pictures: on the window's surface by the CPU, or
// through an SDL renderer that scales on the GPU. The GPU is chosen by itself only where it is
// real hardware: a software rasteriser (Mesa's llvmpipe under Xvfb or without a GPU driver) or
// a remote display makes the renderer slower than the surface.
#pragma once

#include <string>

#include "media/platform_sdl/sdl_factory.h"

namespace orv::media {

// The renderer driver to show pictures with ("opengl", "opengles2"), or empty for the
// window's surface. Forced, any GL driver SDL has is taken, software-rasterised or not; left to
// itself, one is tried on a hidden window and taken only when it is hardware-accelerated.
std::string choose_renderer_driver(Presenter presenter);

// True when the renderer's GL context is drawn by a software rasteriser.
bool software_rasterised();

// True when the desktop refreshes at 60 Hz, where presenting may wait for the display.
bool display_at_60_hz();

}  // namespace orv::media
