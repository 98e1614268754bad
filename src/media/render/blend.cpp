// The span blending loops: a portable loop for any factors, specialised copies of it for the
// blends the game uses every frame, and the AVX2 and WebAssembly SIMD loops for the two
// commonest.
#include "media/render/blend.h"
#include "media/render/avx2_blend.h"
#include "media/render/blend_factors.h"
#include "media/render/blend_pixel.h"
#include "media/render/simd128_loops.h"

namespace orv::media::detail {
namespace {

// kFull: the opacity is 255. With terms known at compile time the unused terms fold away.
template <bool kFull>
ORV_INLINE void blend_body(Pixel* __restrict dst, const Pixel* __restrict src, int count,
                           int opacity, const BlendTerms t) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t a = texel_alpha(src[i], kFull ? 255 : opacity);
    dst[i] = blend_pixel(t, src[i], dst[i], a);
  }
}

template <bool kFull>
ORV_INLINE void blend_rows(const BlendBlock& b, int opacity, const BlendTerms t) {
  for (int r = 0; r < b.rows; ++r)
    blend_body<kFull>(b.dst + r * b.dst_stride, b.src + r * b.src_stride, b.width, opacity, t);
}

template <bool kFull>
ORV_PIXEL_LOOP void blend_generic(const BlendBlock& block, int opacity, const BlendTerms& terms) {
  blend_rows<kFull>(block, opacity, terms);
}

constexpr BlendTerms kAlpha{{0, 1, 0, 0}, {1, -1, 0, 0}};     // (5, 6)
constexpr BlendTerms kAddScaled{{1, 0, 0, 0}, {0, 1, 0, 0}};  // (2, 5)
constexpr BlendTerms kPremul{{1, 0, 0, 0}, {1, -1, 0, 0}};    // (2, 6)
constexpr BlendTerms kAdd{{1, 0, 0, 0}, {1, 0, 0, 0}};        // (2, 2)
constexpr BlendTerms kCopy{{1, 0, 0, 0}, {0, 0, 0, 0}};       // (2, 1)
constexpr BlendTerms kKeep{{0, 0, 0, 0}, {1, 0, 0, 0}};       // (1, 2): changes nothing

// One specialised loop per blend in the list above, each with its terms as constants.
#define ORV_FIXED_BLEND(name, terms)                                                  \
  template <bool kFull>                                                               \
  ORV_PIXEL_LOOP void name(const BlendBlock& block, int opacity, const BlendTerms&) { \
    blend_rows<kFull>(block, opacity, terms);                                         \
  }
ORV_FIXED_BLEND(blend_alpha, kAlpha)
ORV_FIXED_BLEND(blend_add_scaled, kAddScaled)
ORV_FIXED_BLEND(blend_premul, kPremul)
ORV_FIXED_BLEND(blend_add, kAdd)
ORV_FIXED_BLEND(blend_copy, kCopy)
#undef ORV_FIXED_BLEND

#if ORV_HAVE_AVX2_LOOPS
void avx2_alpha(const BlendBlock& block, int opacity, const BlendTerms&) {
  avx2::blend_alpha(block, opacity);
}
void avx2_add_scaled(const BlendBlock& block, int opacity, const BlendTerms&) {
  avx2::blend_add_scaled(block, opacity);
}
#endif

template <bool kFull>
SpanBlender::Kernel portable_kernel(const BlendTerms& t) {
  if (t == kAlpha) return blend_alpha<kFull>;
  if (t == kAddScaled) return blend_add_scaled<kFull>;
  if (t == kPremul) return blend_premul<kFull>;
  if (t == kAdd) return blend_add<kFull>;
  if (t == kCopy) return blend_copy<kFull>;
  return blend_generic<kFull>;
}

SpanBlender::Kernel choose_kernel(const BlendTerms& t, bool full) {
#if ORV_HAVE_AVX2_LOOPS
  if (use_avx2() && t == kAlpha) return avx2_alpha;
  if (use_avx2() && t == kAddScaled) return avx2_add_scaled;
#endif
#if ORV_HAVE_SIMD128_LOOPS
  if (use_simd128() && t == kAlpha) return simd128::blend_alpha;
  if (use_simd128() && t == kAddScaled) return simd128::blend_add_scaled;
#endif
  return full ? portable_kernel<true>(t) : portable_kernel<false>(t);
}

}  // namespace

SpanBlender::SpanBlender(Blend blend, int opacity) {
  if (!is_valid_blend_factor(blend.source) || !is_valid_blend_factor(blend.destination)) return;
  if (opacity <= 0) return;
  terms_ = blend_terms(blend);
  if (terms_ == kKeep) return;
  opacity_ = opacity > 255 ? 255 : opacity;
  fn_ = choose_kernel(terms_, opacity_ == 255);
}

}  // namespace orv::media::detail
