// Texel sampling into spans: the loops behind scaled and rotated quads.
#pragma once

#include <cstddef>
#include <cstdint>

#include "media/types.h"

namespace orv::media::detail {

// A texture as the samplers see it: height rows of width texels, stride apart.
struct TexelGrid {
  const Pixel* pixels;
  int width;
  int height;
  std::ptrdiff_t stride;
};

// A walk through the texture along one row of the screen: texel coordinates of the first
// pixel centre and their step per pixel. Coordinates outside the texture are clamped.
struct TexelWalk {
  float u, v;
  float du, dv;
};

void sample_nearest(Pixel* out, const TexelGrid& tex, const TexelWalk& walk, int count);
void sample_bilinear(Pixel* out, const TexelGrid& tex, const TexelWalk& walk, int count);

// out[i] = row[index[i]]
void gather_texels(Pixel* out, const Pixel* row, const std::int32_t* index, int count);
// out[i] = row0[i] and row1[i] mixed with weight w (0..255 towards row1).
void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count);
// out[i] = row[left[i]] and row[left[i] + 1] mixed with weight[i] (0..255 towards the right).
// left must be non-decreasing, and row readable up to kMixPadding texels past any left[i].
constexpr int kMixPadding = 9;
void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left, const std::int32_t* weight,
                 int count);

}  // namespace orv::media::detail
