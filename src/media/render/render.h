// The software renderer: textured quads with Direct3D 7 style blending, boxes, copies of
// rectangles and BMP encoding. All drawing goes into an Image used as the back buffer.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "media/render/blend_factors.h"
#include "media/types.h"

namespace orv::media {

struct Point {
  float x = 0;
  float y = 0;
};

// Corners in drawing order: top-left, top-right, bottom-right, bottom-left (of the texture).
using Quad = std::array<Point, 4>;

// A pair of blend factor codes (see blend_factors.h); ordinary alpha blending by default.
struct Blend {
  int source = blend::kSourceAlpha;
  int destination = blend::kInverseSourceAlpha;
};

// Texels seen where they lie: rows `stride` pixels apart. A sprite grabbed from the back
// buffer can be such a window into the buffer it came from.
struct TextureView {
  const Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

// The whole image, or the window of it at (x, y); an empty view (no pixels) when the image is
// malformed or the window does not lie wholly inside it.
TextureView view_of(const Image& image);
TextureView view_of(const Image& image, int x, int y, int width, int height);

// Builds the texture of a sprite: texels of exactly the key colour (when given) become fully
// transparent (alpha 0, colour black); other texels keep their alpha.
// storage is memory to reuse for the texture; its contents do not matter.
Image make_texture(const Image& picture, std::optional<Colour> key,
                   std::vector<Pixel> storage = {});
// True when some texel has exactly the key colour, that is when make_texture would change
// the picture.
bool has_key_texels(const TextureView& picture, Colour key);

// Draws a texture onto the target as the given quad. alpha (0..255) multiplies the texture's
// alpha. Texels whose resulting alpha is 0 are not drawn. bilinear selects filtering for scaled
// or rotated quads.
void draw_quad(Image& target, const TextureView& texture, const Quad& quad, int alpha, Blend blend,
               bool bilinear);
inline void draw_quad(Image& target, const Image& texture, const Quad& quad, int alpha, Blend blend,
                      bool bilinear) {
  draw_quad(target, view_of(texture), quad, alpha, blend, bilinear);
}

// Fills a rectangle, clipped to the target.
void fill_rect(Image& target, int x, int y, int width, int height, Pixel colour);

// Copies a rectangle of the source; parts outside the source are black. Alpha becomes 255.
Image copy_rect(const Image& source, int x, int y, int width, int height);
// The same into an image that already has its size (and memory): fills all of out with the
// rectangle of out's size whose top-left corner is (x, y) of the source. Returns whether some
// pixel of out has exactly the colour `find` (when given), which saves a second look for a
// colour key.
bool copy_rect_into(const Image& source, int x, int y, Image& out,
                    std::optional<Colour> find = std::nullopt);

// An uncompressed 24-bit BMP: bottom-up rows, each padded to a multiple of 4 bytes.
Bytes encode_bmp24(const Image& image);

}  // namespace orv::media
