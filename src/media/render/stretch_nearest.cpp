// Nearest-neighbour stretch and the placement of sharp pictures.
#include "media/render/stretch_nearest.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orv::media {

ScreenRect sharp_rect(int picture_w, int picture_h, int window_w, int window_h, ScreenRect fit) {
  if (picture_w <= 0 || picture_h <= 0 || window_w <= 0 || window_h <= 0) return {};
  const int times = std::min(window_w / picture_w, window_h / picture_h);
  if (times < 1) return fit;
  const int w = picture_w * times;
  const int h = picture_h * times;
  return {(window_w - w) / 2, (window_h - h) / 2, w, h};
}

// The source column of each target column is worked out once per call; a row is then a
// gather, and a row that repeats the one above is a copy.
void stretch_nearest(const TextureView& picture, Pixel* target, int width, int height,
                     std::ptrdiff_t stride) {
  if (!picture.pixels || picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0)
    return;
  std::vector<int> columns(std::size_t(width), 0);
  for (int x = 0; x < width; ++x)
    columns[std::size_t(x)] =
        int((std::int64_t(x) * 2 + 1) * picture.width / (std::int64_t(width) * 2));
  int last_row = -1;
  for (int y = 0; y < height; ++y) {
    const int sy = int((std::int64_t(y) * 2 + 1) * picture.height / (std::int64_t(height) * 2));
    Pixel* out = target + std::ptrdiff_t(y) * stride;
    if (sy == last_row) {
      std::copy_n(out - stride, width, out);
      continue;
    }
    const Pixel* in = picture.pixels + std::ptrdiff_t(sy) * picture.stride;
    for (int x = 0; x < width; ++x) out[x] = in[columns[std::size_t(x)]];
    last_row = sy;
  }
}

}  // namespace orv::media
