// Textures of sprites: views of texels, and colour keys made transparent.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "media/render/render.h"
#include "media/types.h"

namespace orv::media {

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
// True when every texel has alpha 255: a draw of it at full opacity hides what lies below.
bool all_texels_opaque(const TextureView& picture);
// True when each of the n texels has alpha 255 and a colour other than key (0x00RRGGBB):
// drawn at full opacity with alpha blending, such texels are simply copied.
bool plain_texels(const Pixel* texels, std::size_t n, Pixel key);

}  // namespace orv::media
