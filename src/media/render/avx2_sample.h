// Hand-written AVX2 versions of the hottest sampling loops. They give exactly the results of the
// portable loops; callers use them only when use_avx2() is true.
#pragma once

#include <cstdint>

#include "media/render/cpu.h"
#include "media/types.h"

#if ORV_HAVE_AVX2_LOOPS

namespace orv::media::detail::avx2 {

// See sample.h: nearest texels along a walk (max_u, max_v: the last column and row).
void sample_nearest(Pixel* out, const Pixel* tex, int stride, float max_u, float max_v, float u,
                    float v, float du, float dv, int count);
// See sample.h; weights are 0..255 here. mix_columns reads up to 9 texels past left[i].
void mix_rows(Pixel* out, const Pixel* row0, const Pixel* row1, int w, int count);
void mix_columns(Pixel* out, const Pixel* row, const std::int32_t* left, const std::int32_t* weight,
                 int count);

}  // namespace orv::media::detail::avx2

#endif
