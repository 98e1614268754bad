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
    case blend::kOne:
    case blend::kDestinationAlpha:
      return {1, 0, 0, 0};
    case blend::kSourceColour:
      return {0, 0, 1, 0};
    case blend::kInverseSourceColour:
      return {1, 0, -1, 0};
    case blend::kSourceAlpha:
    case blend::kBothSourceAlpha:
      return {0, 1, 0, 0};
    case blend::kInverseSourceAlpha:
    case blend::kBothInverseSourceAlpha:
      return {1, -1, 0, 0};
    case blend::kDestinationColour:
      return {0, 0, 0, 1};
    case blend::kInverseDestinationColour:
      return {1, 0, 0, -1};
    default:  // zero, inverse destination alpha, source alpha saturated
      return {};
  }
}

// The terms of a pair of valid factor codes. As a source factor, "both source alpha" means
// (As, 1 - As) and "both inverse source alpha" (1 - As, As): the destination factor is
// overridden. As a destination factor they stand for the complement of their source meaning.
constexpr BlendTerms blend_terms(Blend pair) {
  const FactorTerms alpha = factor_terms(blend::kSourceAlpha);
  const FactorTerms inverse_alpha = factor_terms(blend::kInverseSourceAlpha);
  if (pair.source == blend::kBothSourceAlpha) return {alpha, inverse_alpha};
  if (pair.source == blend::kBothInverseSourceAlpha) return {inverse_alpha, alpha};
  if (pair.destination == blend::kBothSourceAlpha)
    return {factor_terms(pair.source), inverse_alpha};
  if (pair.destination == blend::kBothInverseSourceAlpha) return {factor_terms(pair.source), alpha};
  return {factor_terms(pair.source), factor_terms(pair.destination)};
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
