// Small helpers for tests that draw into images.
#pragma once

#include <algorithm>
#include <functional>

#include "media/render/render.h"

namespace orv::media::testing {

inline Quad rect_quad(float x, float y, float w, float h) {
  return {Point{x, y}, Point{x + w, y}, Point{x + w, y + h}, Point{x, y + h}};
}

inline int count_pixels(const Image& image, const std::function<bool(Pixel)>& pred) {
  return int(std::count_if(image.pixels.begin(), image.pixels.end(), pred));
}

// Pixels that differ from the given background colour (alpha ignored).
inline int count_drawn(const Image& image, Pixel background) {
  return count_pixels(image, [&](Pixel p) { return (p & 0xFFFFFFu) != (background & 0xFFFFFFu); });
}

inline int red(Pixel p) {
  return int((p >> 16) & 255u);
}
inline int green(Pixel p) {
  return int((p >> 8) & 255u);
}
inline int blue(Pixel p) {
  return int(p & 255u);
}

}  // namespace orv::media::testing
