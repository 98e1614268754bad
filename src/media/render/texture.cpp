// Sprite textures: the colour key turns matching texels transparent.
#include "media/render/texture.h"

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

ORV_PIXEL_LOOP bool all_opaque_in_row(const Pixel* __restrict in, std::size_t n) {
  std::uint32_t alphas = px::kOpaque;
  for (std::size_t i = 0; i < n; ++i) alphas &= in[i];
  return (alphas & px::kOpaque) == px::kOpaque;
}

ORV_PIXEL_LOOP bool plain_in_block(const Pixel* __restrict in, std::size_t n, Pixel key) {
  std::uint32_t faults = 0;
  for (std::size_t i = 0; i < n; ++i) {
    faults |= ((in[i] & px::kRgbMask) == key) | ((in[i] & px::kOpaque) != px::kOpaque);
  }
  return faults == 0;
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

bool has_key_texels(const TextureView& picture, Colour key) {
  const Pixel wanted = colour_to_pixel(key) & px::kRgbMask;
  for (int y = 0; y < picture.height; ++y) {
    if (any_key(picture.pixels + y * picture.stride, std::size_t(picture.width), wanted)) {
      return true;
    }
  }
  return false;
}

bool all_texels_opaque(const TextureView& picture) {
  if (picture.pixels == nullptr) return false;
  for (int y = 0; y < picture.height; ++y) {
    if (!all_opaque_in_row(picture.pixels + y * picture.stride, std::size_t(picture.width)))
      return false;
  }
  return true;
}

bool plain_texels(const Pixel* texels, std::size_t n, Pixel key) {
  return plain_in_block(texels, n, key & px::kRgbMask);
}

TextureView view_of(const Image& image) {
  return view_of(image, 0, 0, image.width, image.height);
}

TextureView view_of(const Image& image, int x, int y, int width, int height) {
  const bool well_formed =
      image.width > 0 && image.height > 0 &&
      image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
  if (!well_formed || width <= 0 || height <= 0 || x < 0 || y < 0 || x > image.width - width ||
      y > image.height - height) {
    return {};
  }
  return {&image.pixels[std::size_t(y) * image.width + x], width, height, image.width};
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
