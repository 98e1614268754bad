// Small helpers for tests that draw into images.
#pragma once

#include <algorithm>

#include "media/render/render.h"

namespace orv::media::testing {

inline Quad rect_quad(float x, float y, float w, float h) {
  return {Point{x, y}, Point{x + w, y}, Point{x + w, y + h}, Point{x, y + h}};
}

// Pixels that differ from the given background colour (alpha ignored).
inline int count_drawn(const Image& image, Pixel background) {
  return int(std::count_if(image.pixels.begin(), image.pixels.end(),
                           [&](Pixel p) { return (p & 0xFFFFFFu) != (background & 0xFFFFFFu); }));
}

inline int red(Pixel p) {
  return int((p >> 16) & 255u);
}

}  // namespace orv::media::testing
