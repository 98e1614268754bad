// AVX2 stretch rows. The two texels of each screen column are picked from one vector of eight
// by a permute, then split into their even bytes (blue, red) and odd bytes (green, alpha) in
// 16-bit lanes by a mask and a shift rather than unpacked and packed; both halves of a pixel
// share its weight. Each mix is a + (b - a) * w / 256 rounded half up, done as one rounding
// multiply (_mm256_mulhrs_epi16) by w * 128, as in the other loops.
#include "media/render/avx2_stretch.h"

#if ORV_HAVE_AVX2_LOOPS

#include "media/render/avx2_ops.h"
#include "media/render/sample.h"

namespace orv::media::detail::avx2 {
namespace {

ORV_AVX2_INLINE __m256i lerp16(__m256i a, __m256i b, __m256i w128) {
  return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), w128));
}

// p mixed towards q, eight pixels; w128 holds w * 128 in both halves of each pixel's lane.
ORV_AVX2_INLINE __m256i lerp_split(__m256i p, __m256i q, __m256i w128) {
  const __m256i even_bytes = _mm256_set1_epi32(0x00FF00FF);
  const __m256i even =
      lerp16(_mm256_and_si256(p, even_bytes), _mm256_and_si256(q, even_bytes), w128);
  const __m256i odd = lerp16(_mm256_srli_epi16(p, 8), _mm256_srli_epi16(q, 8), w128);
  return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

template <bool kStream>
ORV_AVX2_INLINE void mix_groups(Pixel* out, const Pixel* mixed, const std::int32_t* plan, int i,
                                int end) {
  for (; i < end; i += 8, plan += kPlanInts) {
    const Pixel* texels = mixed + plan[16];
    const __m256i rel = load8(plan);
    const __m256i p = _mm256_permutevar8x32_epi32(load8(texels), rel);
    const __m256i q = _mm256_permutevar8x32_epi32(load8(texels + 1), rel);
    const __m256i mixed8 = lerp_split(p, q, load8(plan + 8));
    if constexpr (kStream)
      _mm256_stream_si256(reinterpret_cast<__m256i*>(out + i), mixed8);
    else
      store8(out + i, mixed8);
  }
}

int groups_end(const PlannedRow& row) {
  return row.head + (row.count - row.head) / 8 * 8;
}

}  // namespace

ORV_AVX2 bool plan_columns(std::int32_t* plan, const PlannedRow& row) {
  for (int i = row.head; i < groups_end(row); i += 8, plan += kPlanInts) {
    const std::int32_t first = row.left[i];
    if (row.left[i + 7] - first > 7) return false;
    // Offsets from the first texel, then w * 128 in both 16-bit halves of each pixel's lane.
    store8(plan, _mm256_sub_epi32(load8(row.left + i), _mm256_set1_epi32(first)));
    store8(plan + 8, _mm256_mullo_epi32(load8(row.weight + i), _mm256_set1_epi32(128 * 0x10001)));
    plan[16] = first;
  }
  return true;
}

ORV_AVX2 void mix_planned_columns(Pixel* out, const Pixel* mixed, const PlannedRow& row) {
  detail::mix_columns(out, mixed, row.left, row.weight, row.head);
  const int end = groups_end(row);
  if (reinterpret_cast<std::uintptr_t>(out + row.head) % 32 == 0)
    mix_groups<true>(out, mixed, row.plan, row.head, end);
  else
    mix_groups<false>(out, mixed, row.plan, row.head, end);
  detail::mix_columns(out + end, mixed, row.left + end, row.weight + end, row.count - end);
}

void end_streaming() {
  _mm_sfence();
}

}  // namespace orv::media::detail::avx2

#endif
