// The AVX2 rows of a large bilinear stretch (the letterbox): the horizontal mix is worked out
// once for all rows, and each row's vertical mix is kept in 16-bit channels for it, which
// saves the packing and unpacking between the two. Results equal mix_rows then mix_columns.
#pragma once

#include <cstdint>

#include "media/render/cpu.h"
#include "media/types.h"

#if ORV_HAVE_AVX2_LOOPS

namespace orv::media::detail::avx2 {

// Ints of plan per group of eight screen columns.
constexpr int kPlanInts = 17;

// Plans the horizontal mix of count screen columns (see mix_columns in sample.h) into
// plan, (count / 8) * kPlanInts ints. False when a group of eight columns reads more than
// eight texels (a downscale): this way does not fit then.
bool plan_columns(std::int32_t* plan, const std::int32_t* left, const std::int32_t* weight,
                  int count);

// One screen row: row0 and row1 (span texels, the columns the plan reads) mixed with weight w
// (0..255 towards row1), then across as planned. split is working space of
// 2 * (span + kMixPadding) ints.
struct PlannedRow {
  const std::int32_t* plan;
  const std::int32_t* left;
  const std::int32_t* weight;
  int count;
  std::int32_t* split;
  int span;
};
void stretch_row(Pixel* out, const PlannedRow& row, const Pixel* row0, const Pixel* row1, int w);

}  // namespace orv::media::detail::avx2

#endif
