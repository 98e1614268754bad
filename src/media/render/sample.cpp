// Texel sampling loops. Each is a small function over __restrict spans so that the compiler
// vectorises it.
#include "media/render/sample.h"

#include "media/render/avx2_sample.h"
#include "media/render/pixel_ops.h"
#include "media/render/simd128_loops.h"

namespace orv::media::detail {
namespace {

ORV_INLINE float clamp_coord(float c, float max) {
  c = c < 0.0f ? 0.0f : c;
  return c > max ? max : c;
}

ORV_PIXEL_LOOP void nearest_loop(Pixel* __restrict out, const Pixel* __restrict tex, int stride,
                                 float max_u, float max_v, TexelWalk w, int count) {
  for (int i = 0; i < count; ++i) {
    float fi = float(i);
    int iu = int(clamp_coord(w.u + fi * w.du, max_u));
    int iv = int(clamp_coord(w.v + fi * w.dv, max_v));
    out[i] = tex[iv * stride + iu];
  }
}

// Texel centres sit at +0.5, so the four texels around (u, v) start at (u - 0.5, v - 0.5).
ORV_PIXEL_LOOP void bilinear_loop(Pixel* __restrict out, const Pixel* __restrict tex, int stride,
                                  float max_u, float max_v, TexelWalk w, int count) {
  int last_u = int(max_u);
  int last_v = int(max_v);
  for (int i = 0; i < count; ++i) {
    float fi = float(i);
    float fu = clamp_coord(w.u + fi * w.du - 0.5f, max_u);
    float fv = clamp_coord(w.v + fi * w.dv - 0.5f, max_v);
    int u0 = int(fu);
    int v0 = int(fv);
    std::uint32_t wu = std::uint32_t((fu - float(u0)) * 256.0f + 0.5f);
    std::uint32_t wv = std::uint32_t((fv - float(v0)) * 256.0f + 0.5f);
    int u1 = u0 < last_u ? u0 + 1 : u0;
    int row0 = v0 * stride;
    int row1 = (v0 < last_v ? v0 + 1 : v0) * stride;
    std::uint32_t top = px::lerp_pixel(tex[row0 + u0], tex[row0 + u1], wu);
    std::uint32_t bottom = px::lerp_pixel(tex[row1 + u0], tex[row1 + u1], wu);
    out[i] = px::lerp_pixel(top, bottom, wv);
  }
}

ORV_PIXEL_LOOP void gather_loop(Pixel* __restrict out, const Pixel* __restrict row,
                                const std::int32_t* __restrict index, int count) {
  for (int i = 0; i < count; ++i) out[i] = row[index[i]];
}

ORV_PIXEL_LOOP void mix_rows_loop(Pixel* __restrict out, const Pixel* __restrict row0,
                                  const Pixel* __restrict row1, std::uint32_t w, int count) {
  for (int i = 0; i < count; ++i) out[i] = px::lerp_pixel(row0[i], row1[i], w);
}

ORV_PIXEL_LOOP void mix_columns_loop(Pixel* __restrict out, const Pixel* __restrict row,
                                     const std::int32_t* __restrict left,
                                     const std::int32_t* __restrict weight, int count) {
  for (int i = 0; i < count; ++i) {
    int l = left[i];
    out[i] = px::lerp_pixel(row[l], row[l + 1], std::uint32_t(weight[i]));
  }
}

}  // namespace

void sample_nearest(Pixel* out, const TexelGrid& tex, const TexelWalk& walk, int count) {
#if ORV_HAVE_AVX2_LOOPS
  if (use_avx2()) {
    return avx2::sample_nearest(out, tex.pixels, int(tex.stride), float(tex.width - 1),
                                float(tex.height - 1), walk.u, walk.v, walk.du, walk.dv, count);
  }
#endif
  nearest_loop(out, tex.pixels, int(tex.stride), float(tex.width - 1), float(tex.height - 1), walk,
               count);
}

void sample_bilinear(Pixel* out, const TexelGrid& tex, const TexelWalk& walk, int count) {
  bilinear_loop(out, tex.pixels, int(tex.stride), float(tex.width - 1), float(tex.height - 1), walk,
                count);
}

void gather_texels(Pixel* out, const Pixel* row, const std::int32_t* index, int count) {
  gather_loop(out, row, index, count);
}

void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count) {
#if ORV_HAVE_AVX2_LOOPS
  if (use_avx2()) return avx2::mix_rows(out, row0, row1, w, count);
#endif
#if ORV_HAVE_SIMD128_LOOPS
  if (use_simd128()) return simd128::mix_rows(out, row0, row1, w, count);
#endif
  mix_rows_loop(out, row0, row1, std::uint32_t(w), count);
}

void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left, const std::int32_t* weight,
                 int count) {
#if ORV_HAVE_AVX2_LOOPS
  if (use_avx2()) return avx2::mix_columns(out, row, left, weight, count);
#endif
#if ORV_HAVE_SIMD128_LOOPS
  if (use_simd128()) return simd128::mix_columns(out, row, left, weight, count);
#endif
  mix_columns_loop(out, row, left, weight, count);
}

}  // namespace orv::media::detail
