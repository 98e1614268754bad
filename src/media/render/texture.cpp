// Sprite textures: the colour key turns matching texels transparent.
#include <algorithm>

#include "media/render/pixel_ops.h"
#include "media/render/render.h"

namespace orv::media {
namespace {

ORV_PIXEL_LOOP void apply_key(Pixel* __restrict out, const Pixel* __restrict in, std::size_t n,
                              Pixel key) {
  for (std::size_t i = 0; i < n; ++i) out[i] = (in[i] & px::kRgbMask) == key ? 0u : in[i];
}

ORV_PIXEL_LOOP bool any_key_in_block(const Pixel* __restrict in, std::size_t n, Pixel key) {
  std::uint32_t found = 0;
  for (std::size_t i = 0; i < n; ++i) found |= (in[i] & px::kRgbMask) == key;
  return found != 0;
}

// Scans in blocks so that a keyed picture is recognised early.
bool any_key(const Pixel* in, std::size_t n, Pixel key) {
  constexpr std::size_t kBlock = 4096;
  for (std::size_t i = 0; i < n; i += kBlock) {
    if (any_key_in_block(in + i, std::min(kBlock, n - i), key)) return true;
  }
  return false;
}

}  // namespace

bool has_key_texels(const Image& picture, Colour key) {
  return any_key(picture.pixels.data(), picture.pixels.size(), colour_to_pixel(key) & px::kRgbMask);
}

Image make_texture(const Image& picture, std::optional<Colour> key, std::vector<Pixel> storage) {
  Image texture;
  texture.width = picture.width;
  texture.height = picture.height;
  texture.pixels = std::move(storage);
  if (!key) {
    texture.pixels.assign(picture.pixels.begin(), picture.pixels.end());
    return texture;
  }
  texture.pixels.resize(picture.pixels.size());
  apply_key(texture.pixels.data(), picture.pixels.data(), picture.pixels.size(),
            colour_to_pixel(*key) & px::kRgbMask);
  return texture;
}

}  // namespace orv::media
