// AVX2 bilinear mixing, eight pixels per step: a + (b - a) * w / 256 with one rounding
// multiply (_mm256_mulhrs_epi16) per sixteen channels.
#include "media/render/avx2_sample.h"

#if ORV_HAVE_AVX2_LOOPS

#include "media/render/avx2_ops.h"

namespace orv::media::detail::avx2 {
namespace {

// w128 holds w * 128 (w in 0..255) in the lanes matching a and b.
ORV_AVX2_INLINE __m256i lerp16(__m256i a, __m256i b, __m256i w128) {
  return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), w128));
}

// Mixes eight pixels of p towards q; w_lo and w_hi are the weights in unpacklo/hi order.
ORV_AVX2_INLINE __m256i lerp8(__m256i p, __m256i q, __m256i w_lo, __m256i w_hi) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i lo = lerp16(_mm256_unpacklo_epi8(p, zero), _mm256_unpacklo_epi8(q, zero), w_lo);
  const __m256i hi = lerp16(_mm256_unpackhi_epi8(p, zero), _mm256_unpackhi_epi8(q, zero), w_hi);
  return _mm256_packus_epi16(lo, hi);
}

// The eight texels at row[left[i]] and their right neighbours. When the eight lie within
// eight texels of the first (any upscale), two loads and two in-register permutes replace the
// gathers.
ORV_AVX2_INLINE void fetch_pairs(const Pixel* row, const std::int32_t* left, __m256i& p,
                                 __m256i& q) {
  const __m256i idx = load8(left);
  const std::int32_t first = left[0];
  if (left[7] - first <= 7) {
    const __m256i rel = _mm256_sub_epi32(idx, _mm256_set1_epi32(first));
    p = _mm256_permutevar8x32_epi32(load8(row + first), rel);
    q = _mm256_permutevar8x32_epi32(load8(row + first + 1), rel);
    return;
  }
  const int* base = reinterpret_cast<const int*>(row);
  p = _mm256_i32gather_epi32(base, idx, 4);
  q = _mm256_i32gather_epi32(base + 1, idx, 4);
}

ORV_INLINE std::uint32_t lerp_scalar(std::uint32_t p, std::uint32_t q, int w) {
  return px::lerp_pixel(p, q, std::uint32_t(w));
}

}  // namespace

ORV_AVX2 void sample_nearest(Pixel* out, const Pixel* tex, int stride, float max_u, float max_v,
                             float u, float v, float du, float dv, int count) {
  const __m256 steps = _mm256_setr_ps(0, 1, 2, 3, 4, 5, 6, 7);
  const __m256 zero = _mm256_setzero_ps();
  const __m256 hi_u = _mm256_set1_ps(max_u), hi_v = _mm256_set1_ps(max_v);
  const __m256i w = _mm256_set1_epi32(stride);
  const int* base = reinterpret_cast<const int*>(tex);
  for (int i = 0; i < count; i += 8) {
    const __m256 fi = _mm256_add_ps(_mm256_set1_ps(float(i)), steps);
    __m256 fu = _mm256_add_ps(_mm256_set1_ps(u), _mm256_mul_ps(fi, _mm256_set1_ps(du)));
    __m256 fv = _mm256_add_ps(_mm256_set1_ps(v), _mm256_mul_ps(fi, _mm256_set1_ps(dv)));
    fu = _mm256_min_ps(_mm256_max_ps(fu, zero), hi_u);
    fv = _mm256_min_ps(_mm256_max_ps(fv, zero), hi_v);
    const __m256i idx =
        _mm256_add_epi32(_mm256_mullo_epi32(_mm256_cvttps_epi32(fv), w), _mm256_cvttps_epi32(fu));
    // The last step reads and writes only the lanes still inside the span.
    const __m256i mask = first_lanes(count - i);
    const __m256i texels = _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), base, idx, mask, 4);
    _mm256_maskstore_epi32(reinterpret_cast<int*>(out + i), mask, texels);
  }
}

ORV_AVX2 void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count) {
  const __m256i w128 = _mm256_set1_epi16(short(w * 128));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i mixed = lerp8(load8(row0 + i), load8(row1 + i), w128, w128);
    store8(out + i, mixed);
  }
  for (; i < count; ++i) out[i] = lerp_scalar(row0[i], row1[i], w);
}

ORV_AVX2 void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left,
                          const std::int32_t* weight, int count) {
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    __m256i p, q, w_lo, w_hi;
    fetch_pairs(row, left + i, p, q);
    spread_low_halves(_mm256_slli_epi32(load8(weight + i), 7), w_lo, w_hi);
    store8(out + i, lerp8(p, q, w_lo, w_hi));
  }
  for (; i < count; ++i) out[i] = lerp_scalar(row[left[i]], row[left[i] + 1], weight[i]);
}

}  // namespace orv::media::detail::avx2

#endif
