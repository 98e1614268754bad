// Building blocks of the AVX2 pixel loops. Only for files whose functions carry the AVX2
// target attribute (ORV_AVX2); include after checking ORV_HAVE_AVX2_LOOPS.
#pragma once

#include <immintrin.h>

#include "media/render/pixel_ops.h"

#define ORV_AVX2 __attribute__((target("avx2")))
#define ORV_AVX2_INLINE inline __attribute__((always_inline, target("avx2")))

namespace orv::media::detail::avx2 {

ORV_AVX2_INLINE __m256i load8(const void* p) {
  return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}

ORV_AVX2_INLINE void store8(void* p, __m256i v) {
  _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}

// Lanes [0, n) of eight set (all of them for n >= 8).
ORV_AVX2_INLINE __m256i first_lanes(int n) {
  return _mm256_cmpgt_epi32(_mm256_set1_epi32(n), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

// v / 255 rounded, per 16-bit lane, for v <= 65025: ((v + 128) * 257) >> 16.
ORV_AVX2_INLINE __m256i div255(__m256i v) {
  return _mm256_mulhi_epu16(_mm256_add_epi16(v, _mm256_set1_epi16(128)), _mm256_set1_epi16(257));
}

// Pixels widened to 16-bit channel lanes come in two halves, in the order of
// _mm256_unpacklo/hi_epi8: lo holds pixels 0, 1, 4, 5 and hi pixels 2, 3, 6, 7. These spread
// a 16-bit value kept in the low half of each pixel's 32-bit lane to that pixel's four lanes.
ORV_AVX2_INLINE void spread_low_halves(__m256i v, __m256i& lo, __m256i& hi) {
  const __m256i pick_lo = _mm256_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 4, 5, 4, 5, 4, 5, 4, 5, 0, 1, 0,
                                           1, 0, 1, 0, 1, 4, 5, 4, 5, 4, 5, 4, 5);
  const __m256i pick_hi = _mm256_setr_epi8(8, 9, 8, 9, 8, 9, 8, 9, 12, 13, 12, 13, 12, 13, 12, 13,
                                           8, 9, 8, 9, 8, 9, 8, 9, 12, 13, 12, 13, 12, 13, 12, 13);
  lo = _mm256_shuffle_epi8(v, pick_lo);
  hi = _mm256_shuffle_epi8(v, pick_hi);
}

}  // namespace orv::media::detail::avx2
