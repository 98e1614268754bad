// WebAssembly SIMD pixel loops, four pixels per step: channels are widened to 16-bit lanes,
// where products of two 8-bit values fit, and packed back afterwards. The same steps as the
// AVX2 loops, on half as many pixels.
#include "media/render/simd128_loops.h"

#if ORV_HAVE_SIMD128_LOOPS

#include <wasm_simd128.h>

#include "media/render/blend_pixel.h"

namespace orv::media::detail::simd128 {
namespace {

ORV_INLINE v128_t load4(const void* p) {
  return wasm_v128_load(p);
}
ORV_INLINE void store4(void* p, v128_t v) {
  wasm_v128_store(p, v);
}

// v / 255 rounded, per 16-bit lane, for v <= 65025: w = v + 128, (w + (w >> 8)) >> 8.
ORV_INLINE v128_t div255(v128_t v) {
  const v128_t w = wasm_i16x8_add(v, wasm_i16x8_splat(128));
  return wasm_u16x8_shr(wasm_i16x8_add(w, wasm_u16x8_shr(w, 8)), 8);
}

// Pixels widened to 16-bit channel lanes: lo holds pixels 0 and 1, hi pixels 2 and 3. These
// spread a 16-bit value kept in the low half of each pixel's 32-bit lane to its four lanes.
ORV_INLINE v128_t spread_lo(v128_t v) {
  return wasm_i8x16_shuffle(v, v, 0, 1, 0, 1, 0, 1, 0, 1, 4, 5, 4, 5, 4, 5, 4, 5);
}
ORV_INLINE v128_t spread_hi(v128_t v) {
  return wasm_i8x16_shuffle(v, v, 8, 9, 8, 9, 8, 9, 8, 9, 12, 13, 12, 13, 12, 13, 12, 13);
}
ORV_INLINE v128_t widen_lo(v128_t v) {
  return wasm_u16x8_extend_low_u8x16(v);
}
ORV_INLINE v128_t widen_hi(v128_t v) {
  return wasm_u16x8_extend_high_u8x16(v);
}
ORV_INLINE v128_t narrow(v128_t lo, v128_t hi) {
  return wasm_u8x16_narrow_i16x8(lo, hi);
}

ORV_INLINE v128_t alpha_bytes() {
  return wasm_i32x4_splat(std::int32_t(px::kOpaque));
}
// Four texels all of alpha 0: nothing to draw.
ORV_INLINE bool all_clear(v128_t s) {
  return !wasm_v128_any_true(wasm_v128_and(s, alpha_bytes()));
}
// Four texels all of alpha 255.
ORV_INLINE bool all_opaque(v128_t s) {
  return wasm_i32x4_all_true(wasm_i32x4_eq(wasm_v128_and(s, alpha_bytes()), alpha_bytes()));
}

// Texel alpha times opacity for each channel lane. Opaque texels simply take the opacity;
// otherwise the product is worked out once per pixel, then spread.
template <bool kFull>
ORV_INLINE void alphas(v128_t s, v128_t opacity, v128_t& lo, v128_t& hi) {
  if (kFull) {
    const v128_t a = wasm_u32x4_shr(s, 24);
    lo = spread_lo(a);
    hi = spread_hi(a);
    return;
  }
  if (all_opaque(s)) {
    lo = hi = opacity;
    return;
  }
  const v128_t a = div255(wasm_i16x8_mul(wasm_u32x4_shr(s, 24), opacity));
  lo = spread_lo(a);
  hi = spread_hi(a);
}

// src * a + dst * (255 - a), per 16-bit lane.
ORV_INLINE v128_t mix(v128_t s, v128_t d, v128_t a) {
  const v128_t inv = wasm_v128_xor(a, wasm_i16x8_splat(255));
  return div255(wasm_i16x8_add(wasm_i16x8_mul(s, a), wasm_i16x8_mul(d, inv)));
}

// (5, 6): src * a + dst * (255 - a); alpha 0 gives back the destination colour by itself.
struct AlphaOp {
  static constexpr bool kOpaqueIsCopy = true;
  template <bool kFull>
  ORV_INLINE static v128_t blend4(v128_t s, v128_t d, v128_t op) {
    v128_t a_lo, a_hi;
    alphas<kFull>(s, op, a_lo, a_hi);
    const v128_t lo = mix(widen_lo(s), widen_lo(d), a_lo);
    const v128_t hi = mix(widen_hi(s), widen_hi(d), a_hi);
    return wasm_v128_or(narrow(lo, hi), alpha_bytes());
  }
};

// (2, 5): src + dst * a, saturated; texels whose alpha ends at 0 are not drawn.
struct AddScaledOp {
  static constexpr bool kOpaqueIsCopy = false;
  template <bool kFull>
  ORV_INLINE static v128_t blend4(v128_t s, v128_t d, v128_t op) {
    if (kFull && all_opaque(s)) return wasm_v128_or(wasm_u8x16_add_sat(s, d), alpha_bytes());
    v128_t a_lo, a_hi;
    alphas<kFull>(s, op, a_lo, a_hi);
    const v128_t lo = div255(wasm_i16x8_mul(widen_lo(d), a_lo));
    const v128_t hi = div255(wasm_i16x8_mul(widen_hi(d), a_hi));
    const v128_t out = wasm_v128_or(wasm_u8x16_add_sat(s, narrow(lo, hi)), alpha_bytes());
    const v128_t skip = wasm_i8x16_eq(narrow(a_lo, a_hi), wasm_i8x16_splat(0));
    return wasm_v128_bitselect(d, out, skip);
  }
};

// Four pixels per step; the last few through the reference blend of one pixel.
template <class Op, bool kFull>
ORV_INLINE void blend_row(Pixel* __restrict dst, const Pixel* __restrict src, int count, v128_t op,
                          int opacity, const BlendTerms& t) {
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const v128_t s = load4(src + i);
    if (all_clear(s)) continue;
    if (Op::kOpaqueIsCopy && kFull && all_opaque(s)) {
      store4(dst + i, s);
      continue;
    }
    store4(dst + i, Op::template blend4<kFull>(s, load4(dst + i), op));
  }
  for (; i < count; ++i) dst[i] = blend_pixel(t, src[i], dst[i], texel_alpha(src[i], opacity));
}

template <class Op, bool kFull>
void blend_block(const BlendBlock& b, int opacity, const BlendTerms& t) {
  const v128_t op = wasm_i16x8_splat(std::int16_t(opacity));
  for (int r = 0; r < b.rows; ++r)
    blend_row<Op, kFull>(b.dst + r * b.dst_stride, b.src + r * b.src_stride, b.width, op, opacity,
                         t);
}

// a + (b - a) * w / 256 rounded half up; w128 holds w * 128 (w in 0..255) in matching lanes.
ORV_INLINE v128_t lerp16(v128_t a, v128_t b, v128_t w128) {
  return wasm_i16x8_add(a, wasm_i16x8_q15mulr_sat(wasm_i16x8_sub(b, a), w128));
}

ORV_INLINE v128_t lerp4(v128_t p, v128_t q, v128_t w_lo, v128_t w_hi) {
  return narrow(lerp16(widen_lo(p), widen_lo(q), w_lo), lerp16(widen_hi(p), widen_hi(q), w_hi));
}

// The four texels at row[left[i]] and their right neighbours. When the four lie within the
// four texels from the first on (any upscale), two loads and two byte shuffles replace eight
// single reads.
ORV_INLINE void fetch_pairs(const Pixel* row, const std::int32_t* l, v128_t& p, v128_t& q) {
  const std::int32_t first = l[0];
  const v128_t rel = wasm_i32x4_sub(load4(l), wasm_i32x4_splat(first));
  if (wasm_i32x4_all_true(wasm_u32x4_le(rel, wasm_i32x4_splat(3)))) {
    // Byte k of lane j: byte k of texel left[j] - first.
    const v128_t at = wasm_i32x4_shl(rel, 2);
    const v128_t bytes = wasm_i8x16_add(
        wasm_i8x16_shuffle(at, at, 0, 0, 0, 0, 4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12),
        wasm_i8x16_make(0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3));
    p = wasm_i8x16_swizzle(load4(row + first), bytes);
    q = wasm_i8x16_swizzle(load4(row + first + 1), bytes);
    return;
  }
  p = wasm_u32x4_make(row[l[0]], row[l[1]], row[l[2]], row[l[3]]);
  q = wasm_u32x4_make(row[l[0] + 1], row[l[1] + 1], row[l[2] + 1], row[l[3] + 1]);
}

}  // namespace

void blend_alpha(const BlendBlock& block, int opacity, const BlendTerms& terms) {
  if (opacity == 255)
    blend_block<AlphaOp, true>(block, 255, terms);
  else
    blend_block<AlphaOp, false>(block, opacity, terms);
}

void blend_add_scaled(const BlendBlock& block, int opacity, const BlendTerms& terms) {
  if (opacity == 255)
    blend_block<AddScaledOp, true>(block, 255, terms);
  else
    blend_block<AddScaledOp, false>(block, opacity, terms);
}

void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count) {
  const v128_t w128 = wasm_i16x8_splat(std::int16_t(w * 128));
  int i = 0;
  for (; i + 4 <= count; i += 4)
    store4(out + i, lerp4(load4(row0 + i), load4(row1 + i), w128, w128));
  for (; i < count; ++i) out[i] = px::lerp_pixel(row0[i], row1[i], std::uint32_t(w));
}

void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left, const std::int32_t* weight,
                 int count) {
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    v128_t p, q;
    fetch_pairs(row, left + i, p, q);
    const v128_t w = wasm_i32x4_shl(load4(weight + i), 7);
    store4(out + i, lerp4(p, q, spread_lo(w), spread_hi(w)));
  }
  for (; i < count; ++i)
    out[i] = px::lerp_pixel(row[left[i]], row[left[i] + 1], std::uint32_t(weight[i]));
}

}  // namespace orv::media::detail::simd128

#endif
