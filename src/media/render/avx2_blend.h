// Hand-written AVX2 versions of the hottest blend loops. They give exactly the results of the
// portable loops; callers use them only when use_avx2() is true.
#pragma once

#include "media/render/blend.h"
#include "media/render/cpu.h"

#if ORV_HAVE_AVX2_LOOPS

namespace orv::media::detail::avx2 {

// Blending with (source alpha, one minus source alpha) and with (one, source alpha); see
// blend.h.
void blend_alpha(const BlendBlock& block, int opacity);
void blend_add_scaled(const BlendBlock& block, int opacity);

}  // namespace orv::media::detail::avx2

#endif
