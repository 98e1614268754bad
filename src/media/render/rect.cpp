// Filled and copied rectangles of the back buffer.
#include "media/render/rect.h"

#include <algorithm>
#include <cstdint>

#include "media/decode/picture.h"
#include "media/render/pixel_ops.h"
#include "media/render/render.h"

namespace orv::media {
namespace {

struct Span {
  std::int64_t first, end;
};

// The part of [start, start + length) inside [0, limit).
Span clip(std::int64_t start, std::int64_t length, std::int64_t limit) {
  return {std::clamp<std::int64_t>(start, 0, limit),
          std::clamp<std::int64_t>(start + length, 0, limit)};
}

bool well_formed(const Image& image) {
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
}

// Copies with alpha 255; returns whether some pixel had the colour `find` (a colour with an
// alpha byte never matches).
ORV_PIXEL_LOOP bool opaque_copy(Pixel* __restrict out, const Pixel* __restrict in, int n,
                                Pixel find) {
  std::uint32_t found = 0;
  for (int i = 0; i < n; ++i) {
    out[i] = in[i] | px::kOpaque;
    found |= (in[i] & px::kRgbMask) == find;
  }
  return found != 0;
}

// Fills with opaque black; true when black is the colour looked for.
bool black(Pixel* out, std::int64_t n, Pixel find) {
  std::fill(out, out + n, px::kOpaque);
  return n > 0 && find == 0;
}

}  // namespace

void fill_rect(Image& target, int x, int y, int width, int height, Pixel colour) {
  if (!well_formed(target) || width <= 0 || height <= 0) return;
  const Span cols = clip(x, width, target.width);
  const Span rows = clip(y, height, target.height);
  for (std::int64_t row = rows.first; row < rows.end; ++row) {
    Pixel* line = &target.pixels[std::size_t(row) * target.width];
    std::fill(line + cols.first, line + cols.end, colour);
  }
}

Image copy_rect(const Image& source, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      std::int64_t(width) * height > kMaxPicturePixels) {
    return {};
  }
  Image out;
  out.width = width;
  out.height = height;
  out.pixels.resize(std::size_t(width) * height);
  copy_rect_into(source, x, y, out);
  return out;
}

bool copy_rect_into(const Image& source, int x, int y, Image& out, std::optional<Colour> find) {
  if (!well_formed(out)) return false;
  const Pixel wanted = find ? colour_to_pixel(*find) & px::kRgbMask : px::kOpaque;
  const Span rows = clip(y, out.height, well_formed(source) ? source.height : 0);
  const Span cols = clip(x, out.width, well_formed(source) ? source.width : 0);
  const bool inside = cols.first < cols.end && rows.first < rows.end;
  const std::int64_t left = inside ? cols.first - x : 0;
  const std::int64_t right = inside ? cols.end - x : 0;
  bool found = false;
  for (std::int64_t row = 0; row < out.height; ++row) {
    Pixel* dst = &out.pixels[std::size_t(row) * out.width];
    const std::int64_t sy = y + row;
    if (!inside || sy < rows.first || sy >= rows.end) {
      found |= black(dst, out.width, wanted);
      continue;
    }
    found |= black(dst, left, wanted);
    found |= opaque_copy(dst + left, &source.pixels[std::size_t(sy) * source.width + cols.first],
                         int(right - left), wanted);
    found |= black(dst + right, out.width - right, wanted);
  }
  return found;
}

}  // namespace orv::media
