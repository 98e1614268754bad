// Blending of texel spans onto the back buffer with Direct3D 7 style factors.
#pragma once

#include <cstddef>

#include "media/render/render.h"

namespace orv::media::detail {

// One blend factor written as a sum of terms, each coefficient -1, 0 or 1:
// factor = one * 255 + src_alpha * As + src_colour * Cs + dst_colour * Cd.
// Every Direct3D 7 factor has this form once destination alpha is fixed at 255.
struct FactorTerms {
  int one = 0;
  int src_alpha = 0;
  int src_colour = 0;
  int dst_colour = 0;
  constexpr bool operator==(const FactorTerms&) const = default;
};

struct BlendTerms {
  FactorTerms src;
  FactorTerms dst;
  constexpr bool operator==(const BlendTerms&) const = default;
};

// Destination alpha always reads 1.0 (the back buffer has no alpha channel), so destination
// alpha is the constant one, its inverse zero, and "source alpha saturated"
// (min(As, 1 - Ad)) zero.
constexpr FactorTerms factor_terms(int code) {
  switch (code) {
    case 2:  // one
    case 7:  // destination alpha
      return {1, 0, 0, 0};
    case 3:
      return {0, 0, 1, 0};
    case 4:
      return {1, 0, -1, 0};
    case 5:
    case 12:
      return {0, 1, 0, 0};
    case 6:
    case 13:
      return {1, -1, 0, 0};
    case 9:
      return {0, 0, 0, 1};
    case 10:
      return {1, 0, 0, -1};
    default:  // 1 zero, 8 inverse destination alpha, 11 source alpha saturated
      return {};
  }
}

// The terms of a pair of valid factor codes. As a source factor, "both source alpha" (12)
// means (As, 1 - As) and "both inverse source alpha" (13) (1 - As, As): the destination factor
// is overridden. As a destination factor they stand for the complement of their source
// meaning.
constexpr BlendTerms blend_terms(Blend blend) {
  if (blend.source == 12) return {factor_terms(5), factor_terms(6)};
  if (blend.source == 13) return {factor_terms(6), factor_terms(5)};
  int destination = blend.destination;
  if (destination == 12)
    destination = 6;
  else if (destination == 13)
    destination = 5;
  return {factor_terms(blend.source), factor_terms(destination)};
}

// Rows of pixels to blend: width texels per row from src onto width pixels of dst, each row
// `stride` pixels after the one before.
struct BlendBlock {
  Pixel* dst;
  std::ptrdiff_t dst_stride;
  const Pixel* src;
  std::ptrdiff_t src_stride;
  int width;
  int rows;
};

// Blends texels onto pixels: opacity (0..255) multiplies each texel's alpha, texels whose
// alpha ends up 0 leave the pixel's colour as it is, and every drawn pixel comes out opaque
// (the back buffer has no alpha).
class SpanBlender {
 public:
  SpanBlender(Blend blend, int opacity);
  // True when no draw with these settings can change a pixel.
  bool draws_nothing() const { return fn_ == nullptr; }
  void operator()(Pixel* dst, const Pixel* src, int count) const {
    if (fn_ != nullptr && count > 0) fn_({dst, 0, src, 0, count, 1}, opacity_, terms_);
  }
  void operator()(const BlendBlock& block) const {
    if (fn_ != nullptr && block.width > 0 && block.rows > 0) fn_(block, opacity_, terms_);
  }

  using Kernel = void (*)(const BlendBlock&, int, const BlendTerms&);

 private:
  Kernel fn_ = nullptr;
  BlendTerms terms_;
  int opacity_ = 255;
};

}  // namespace orv::media::detail
