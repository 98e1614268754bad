// AVX2 blending, eight pixels per step: channels are widened to 16-bit lanes, where products
// of two 8-bit values fit, and packed back afterwards.
#include "media/render/avx2_blend.h"

#if ORV_HAVE_AVX2_LOOPS

#include "media/render/avx2_ops.h"

namespace orv::media::detail::avx2 {
namespace {

// Each pixel's alpha in the four 16-bit lanes of that pixel, in the lo and hi halves of
// avx2_ops.h.
ORV_AVX2_INLINE __m256i alpha_lo(__m256i s) {
  const __m256i pick = _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3,
                                        -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
  return _mm256_shuffle_epi8(s, pick);
}
ORV_AVX2_INLINE __m256i alpha_hi(__m256i s) {
  const __m256i pick =
      _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, 11, -1, 11,
                       -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
  return _mm256_shuffle_epi8(s, pick);
}

ORV_AVX2_INLINE __m256i alpha_bytes() {
  return _mm256_set1_epi32(int(px::kOpaque));
}

// Eight texels all of alpha 0: nothing to draw.
ORV_AVX2_INLINE bool all_clear(__m256i s) {
  return _mm256_testz_si256(s, alpha_bytes()) != 0;
}
// Eight texels all of alpha 255.
ORV_AVX2_INLINE bool all_opaque(__m256i s) {
  return _mm256_testc_si256(s, alpha_bytes()) != 0;
}

// Texel alpha times opacity for each channel lane. Opaque texels (the common case) simply
// take the opacity; otherwise the product is worked out once per pixel, then spread.
template <bool kFull>
ORV_AVX2_INLINE void alphas(__m256i s, __m256i opacity, __m256i& lo, __m256i& hi) {
  if (kFull) {
    lo = alpha_lo(s);
    hi = alpha_hi(s);
    return;
  }
  if (all_opaque(s)) {
    lo = hi = opacity;
    return;
  }
  spread_low_halves(div255(_mm256_mullo_epi16(_mm256_srli_epi32(s, 24), opacity)), lo, hi);
}

// src * a + dst * (255 - a), per 16-bit lane.
ORV_AVX2_INLINE __m256i mix(__m256i s, __m256i d, __m256i a) {
  const __m256i inv = _mm256_xor_si256(a, _mm256_set1_epi16(255));
  return div255(_mm256_add_epi16(_mm256_mullo_epi16(s, a), _mm256_mullo_epi16(d, inv)));
}

// (5, 6): src * a + dst * (255 - a); alpha 0 gives back the destination colour by itself.
struct AlphaOp {
  static constexpr bool kOpaqueIsCopy = true;
  template <bool kFull>
  ORV_AVX2_INLINE static __m256i blend8(__m256i s, __m256i d, __m256i op) {
    const __m256i zero = _mm256_setzero_si256();
    __m256i a_lo, a_hi;
    alphas<kFull>(s, op, a_lo, a_hi);
    const __m256i lo = mix(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero), a_lo);
    const __m256i hi = mix(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero), a_hi);
    return _mm256_or_si256(_mm256_packus_epi16(lo, hi), alpha_bytes());
  }
};

// (2, 5): src + dst * a, saturated; texels whose alpha ends at 0 are not drawn.
struct AddScaledOp {
  static constexpr bool kOpaqueIsCopy = false;
  template <bool kFull>
  ORV_AVX2_INLINE static __m256i blend8(__m256i s, __m256i d, __m256i op) {
    if (kFull && all_opaque(s)) return _mm256_or_si256(_mm256_adds_epu8(s, d), alpha_bytes());
    const __m256i zero = _mm256_setzero_si256();
    __m256i a_lo, a_hi;
    alphas<kFull>(s, op, a_lo, a_hi);
    const __m256i lo = div255(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), a_lo));
    const __m256i hi = div255(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), a_hi));
    const __m256i out =
        _mm256_or_si256(_mm256_adds_epu8(s, _mm256_packus_epi16(lo, hi)), alpha_bytes());
    const __m256i skip = _mm256_cmpeq_epi8(_mm256_packus_epi16(a_lo, a_hi), zero);
    return _mm256_blendv_epi8(out, d, skip);
  }
};

// Eight pixels per step; the last few through masked loads and stores, so that short rows
// cost no scalar work.
template <class Op, bool kFull>
ORV_AVX2_INLINE void blend_row(Pixel* __restrict dst, const Pixel* __restrict src, int count,
                               __m256i op) {
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i s = load8(src + i);
    if (all_clear(s)) continue;
    if (Op::kOpaqueIsCopy && kFull && all_opaque(s)) {
      store8(dst + i, s);
      continue;
    }
    store8(dst + i, Op::template blend8<kFull>(s, load8(dst + i), op));
  }
  if (i == count) return;
  const __m256i mask = first_lanes(count - i);
  const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int*>(src + i), mask);
  const __m256i d = _mm256_maskload_epi32(reinterpret_cast<const int*>(dst + i), mask);
  _mm256_maskstore_epi32(reinterpret_cast<int*>(dst + i), mask,
                         Op::template blend8<kFull>(s, d, op));
}

// Rows of the back buffer lie a page or more apart, which hardware prefetchers do not follow,
// so the rows a few steps ahead are requested early.
constexpr int kPrefetchRows = 4;

ORV_AVX2_INLINE void prefetch_row(const Pixel* row, int width) {
  const char* p = reinterpret_cast<const char*>(row);
  const char* end = p + std::size_t(width) * sizeof(Pixel);
  for (; p < end; p += 64) _mm_prefetch(p, _MM_HINT_T0);
}

template <class Op, bool kFull>
ORV_AVX2 void blend_block(const BlendBlock& b, int opacity) {
  const __m256i op = _mm256_set1_epi16(short(opacity));
  for (int r = 0; r < b.rows; ++r) {
    if (r + kPrefetchRows < b.rows)
      prefetch_row(b.dst + (r + kPrefetchRows) * b.dst_stride, b.width);
    blend_row<Op, kFull>(b.dst + r * b.dst_stride, b.src + r * b.src_stride, b.width, op);
  }
}

}  // namespace

void blend_alpha(const BlendBlock& block, int opacity) {
  if (opacity == 255)
    blend_block<AlphaOp, true>(block, 255);
  else
    blend_block<AlphaOp, false>(block, opacity);
}

void blend_add_scaled(const BlendBlock& block, int opacity) {
  if (opacity == 255)
    blend_block<AddScaledOp, true>(block, 255);
  else
    blend_block<AddScaledOp, false>(block, opacity);
}

}  // namespace orv::media::detail::avx2

#endif
