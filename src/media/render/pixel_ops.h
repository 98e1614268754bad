// Small per-pixel helpers shared by the pixel loops. Everything here is inline so that the
// loops calling it stay vectorisable.
#pragma once

#include <cstdint>

#include "media/types.h"

// The pixel loops are compiled twice on x86-64 GCC builds: for the baseline and for AVX2
// machines (x86-64-v3); the loader picks the right one at start-up.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(ORV_NO_PIXEL_CLONES)
#define ORV_PIXEL_LOOP __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define ORV_PIXEL_LOOP
#endif

#if defined(__GNUC__)
#define ORV_INLINE inline __attribute__((always_inline))
#else
#define ORV_INLINE inline
#endif

namespace orv::media::px {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

ORV_INLINE std::uint32_t a_of(std::uint32_t p) {
  return p >> 24;
}
ORV_INLINE std::uint32_t r_of(std::uint32_t p) {
  return (p >> 16) & 255u;
}
ORV_INLINE std::uint32_t g_of(std::uint32_t p) {
  return (p >> 8) & 255u;
}
ORV_INLINE std::uint32_t b_of(std::uint32_t p) {
  return p & 255u;
}
ORV_INLINE std::uint32_t pack(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

// v / 255 rounded to nearest, exact for v <= 65535; above that the result is > 255 and only
// ever saturated by the callers.
ORV_INLINE std::uint32_t div255(std::uint32_t v) {
  v += 128u;
  return (v + (v >> 8)) >> 8;
}

ORV_INLINE std::uint32_t min255(std::uint32_t v) {
  return v < 255u ? v : 255u;
}

// a + (b - a) * w / 256 rounded half up, for a weight w in 0..256 (0 gives a, 256 gives b).
ORV_INLINE std::uint32_t lerp_channel(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
  const std::int32_t diff = std::int32_t(b) - std::int32_t(a);
  return std::uint32_t(std::int32_t(a) + ((diff * std::int32_t(w) + 128) >> 8));
}

ORV_INLINE std::uint32_t lerp_pixel(std::uint32_t p, std::uint32_t q, std::uint32_t w) {
  return pack(lerp_channel(a_of(p), a_of(q), w), lerp_channel(r_of(p), r_of(q), w),
              lerp_channel(g_of(p), g_of(q), w), lerp_channel(b_of(p), b_of(q), w));
}

}  // namespace orv::media::px
