// Hand-written WebAssembly SIMD versions of the hottest blend and sampling loops, for the
// browser build. They give exactly the results of the portable loops (as the AVX2 ones do);
// callers use them only when use_simd128() is true.
#pragma once

#include <cstdint>

#include "media/render/blend.h"
#include "media/render/cpu.h"
#include "media/types.h"

#if ORV_HAVE_SIMD128_LOOPS

namespace orv::media::detail::simd128 {

// Blending with (source alpha, one minus source alpha) and with (one, source alpha); see
// blend.h. The terms are those two blends' and serve the last few pixels of a row.
void blend_alpha(const BlendBlock& block, int opacity, const BlendTerms& terms);
void blend_add_scaled(const BlendBlock& block, int opacity, const BlendTerms& terms);
// See sample.h; weights are 0..255. mix_columns reads up to 4 texels past left[i].
void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count);
void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left, const std::int32_t* weight,
                 int count);

}  // namespace orv::media::detail::simd128

#endif
