// Blending of one pixel with any factor terms: the reference every blending loop matches.
#pragma once

#include "media/render/blend.h"
#include "media/render/pixel_ops.h"

namespace orv::media::detail {

ORV_INLINE std::int32_t factor_value(const FactorTerms& f, std::int32_t a, std::int32_t s,
                                     std::int32_t d) {
  return f.one * 255 + f.src_alpha * a + f.src_colour * s + f.dst_colour * d;
}

// (src * source factor + dst * destination factor) / 255, rounded once, saturated.
ORV_INLINE std::uint32_t blend_channel(const BlendTerms& t, std::int32_t a, std::int32_t s,
                                       std::int32_t d) {
  const std::int32_t v = s * factor_value(t.src, a, s, d) + d * factor_value(t.dst, a, s, d);
  return px::min255(px::div255(std::uint32_t(v)));
}

// The texel's alpha times the draw's opacity.
ORV_INLINE std::uint32_t texel_alpha(std::uint32_t s, int opacity) {
  return opacity == 255 ? px::a_of(s) : px::div255(px::a_of(s) * std::uint32_t(opacity));
}

// Texels whose alpha ends at 0 leave the pixel as it is; drawn pixels come out opaque.
ORV_INLINE std::uint32_t blend_pixel(const BlendTerms& t, std::uint32_t s, std::uint32_t d,
                                     std::uint32_t a) {
  const std::int32_t ai = std::int32_t(a);
  const std::uint32_t r =
      blend_channel(t, ai, std::int32_t(px::r_of(s)), std::int32_t(px::r_of(d)));
  const std::uint32_t g =
      blend_channel(t, ai, std::int32_t(px::g_of(s)), std::int32_t(px::g_of(d)));
  const std::uint32_t b =
      blend_channel(t, ai, std::int32_t(px::b_of(s)), std::int32_t(px::b_of(d)));
  return a != 0 ? px::pack(255, r, g, b) : d;
}

}  // namespace orv::media::detail
