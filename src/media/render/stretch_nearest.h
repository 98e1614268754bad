// The sharp way of showing a picture in a window of another size: every window pixel a copy of
// one picture pixel, by whole multiples of the picture where the window holds them.
#pragma once

#include <cstddef>

#include "media/render/render.h"

namespace orv::media {

struct ScreenRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Where the picture goes in the window, centred: the largest whole multiple of its size that
// fits; when not even one fits, the largest rectangle of its aspect ratio that does (given as
// fit, the smooth letterbox). Empty for an empty picture or window.
ScreenRect sharp_rect(int picture_w, int picture_h, int window_w, int window_h, ScreenRect fit);

// Scales the picture to width x height pixels whose rows lie stride pixels apart, each target
// pixel the copy of the picture pixel its centre falls on (nearest neighbour).
void stretch_nearest(const TextureView& picture, Pixel* target, int width, int height,
                     std::ptrdiff_t stride);

}  // namespace orv::media
