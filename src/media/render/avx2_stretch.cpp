// AVX2 stretch rows. Pixels are split into their even bytes (blue, red) and odd bytes (green,
// alpha), each in 16-bit lanes, by a mask and a shift instead of unpacking and packing; both
// halves of a pixel share its weight. Each mix is a + (b - a) * w / 256 rounded half up, done
// as one rounding multiply (_mm256_mulhrs_epi16) by w * 128, as in the other loops.
#include "media/render/avx2_stretch.h"

#if ORV_HAVE_AVX2_LOOPS

#include "media/render/avx2_ops.h"
#include "media/render/sample.h"

namespace orv::media::detail::avx2 {
namespace {

constexpr std::int32_t kEvenBytes = 0x00FF00FF;

ORV_AVX2_INLINE __m256i lerp16(__m256i a, __m256i b, __m256i w128) {
  return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), w128));
}

ORV_AVX2_INLINE __m256i even_bytes(__m256i p) {
  return _mm256_and_si256(p, _mm256_set1_epi32(kEvenBytes));
}

ORV_AVX2_INLINE __m256i odd_bytes(__m256i p) {
  return _mm256_srli_epi16(p, 8);
}

ORV_INLINE Pixel joined(std::int32_t even, std::int32_t odd) {
  return Pixel(even) | Pixel(odd) << 8;
}

// The vertical mix of span texels into split: even halves first, odd halves kMixPadding + span
// ints later, each padded with copies of the last texel.
ORV_AVX2_INLINE void mix_rows_split(std::int32_t* even, std::int32_t* odd, const Pixel* row0,
                                    const Pixel* row1, int w, int span) {
  const __m256i w128 = _mm256_set1_epi16(short(w * 128));
  int i = 0;
  for (; i + 8 <= span; i += 8) {
    const __m256i a = load8(row0 + i), b = load8(row1 + i);
    store8(even + i, lerp16(even_bytes(a), even_bytes(b), w128));
    store8(odd + i, lerp16(odd_bytes(a), odd_bytes(b), w128));
  }
  for (; i < span; ++i) {
    const Pixel p = px::lerp_pixel(row0[i], row1[i], std::uint32_t(w));
    even[i] = std::int32_t(p & Pixel(kEvenBytes));
    odd[i] = std::int32_t(p >> 8 & Pixel(kEvenBytes));
  }
  for (i = span; i < span + kMixPadding; ++i) {
    even[i] = even[span - 1];
    odd[i] = odd[span - 1];
  }
}

}  // namespace

ORV_AVX2 bool plan_columns(std::int32_t* plan, const std::int32_t* left, const std::int32_t* weight,
                           int count) {
  for (int i = 0; i + 8 <= count; i += 8, plan += kPlanInts) {
    const std::int32_t first = left[i];
    if (left[i + 7] - first > 7) return false;
    // Offsets from the first texel, then w * 128 in both 16-bit halves of each pixel's lane.
    store8(plan, _mm256_sub_epi32(load8(left + i), _mm256_set1_epi32(first)));
    store8(plan + 8, _mm256_mullo_epi32(load8(weight + i), _mm256_set1_epi32(128 * 0x10001)));
    plan[16] = first;
  }
  return true;
}

ORV_AVX2 void stretch_row(Pixel* out, const PlannedRow& row, const Pixel* row0, const Pixel* row1,
                          int w) {
  std::int32_t* even = row.split;
  std::int32_t* odd = row.split + row.span + kMixPadding;
  mix_rows_split(even, odd, row0, row1, w, row.span);
  const std::int32_t* plan = row.plan;
  int i = 0;
  for (; i + 8 <= row.count; i += 8, plan += kPlanInts) {
    const __m256i rel = load8(plan), w128 = load8(plan + 8);
    const std::int32_t first = plan[16];
    const __m256i e0 = _mm256_permutevar8x32_epi32(load8(even + first), rel);
    const __m256i e1 = _mm256_permutevar8x32_epi32(load8(even + first + 1), rel);
    const __m256i o0 = _mm256_permutevar8x32_epi32(load8(odd + first), rel);
    const __m256i o1 = _mm256_permutevar8x32_epi32(load8(odd + first + 1), rel);
    const __m256i e = lerp16(e0, e1, w128), o = lerp16(o0, o1, w128);
    store8(out + i, _mm256_or_si256(e, _mm256_slli_epi16(o, 8)));
  }
  for (; i < row.count; ++i) {
    const int l = row.left[i];
    out[i] = px::lerp_pixel(joined(even[l], odd[l]), joined(even[l + 1], odd[l + 1]),
                            std::uint32_t(row.weight[i]));
  }
}

}  // namespace orv::media::detail::avx2

#endif
