// The AVX2 rows of a large bilinear stretch (the letterbox). The horizontal mix is worked out
// once for all rows, and the rows go out with streaming stores: the target is written without
// being read into the cache first. Results equal mix_rows then mix_columns.
#pragma once

#include <cstdint>

#include "media/render/cpu.h"
#include "media/types.h"

#if ORV_HAVE_AVX2_LOOPS

namespace orv::media::detail::avx2 {

// Ints of plan per group of eight screen columns.
constexpr int kPlanInts = 17;

// The columns of a planned row: screen columns [0, head) and those after the last whole group
// of eight are mixed one by one, the groups from head on as planned.
struct PlannedRow {
  const std::int32_t* plan;  // (count - head) / 8 groups of kPlanInts
  const std::int32_t* left;  // see mix_columns in sample.h
  const std::int32_t* weight;
  int count;
  int head;
};

// Fills row.plan. False when a group of eight columns reads more than eight texels (a
// downscale): this way does not fit then.
bool plan_columns(std::int32_t* plan, const PlannedRow& row);

// One screen row from the vertically mixed texels (see mix_columns): the groups of eight go
// out with streaming stores where out + head is 32-byte aligned, with plain stores elsewhere.
void mix_planned_columns(Pixel* out, const Pixel* mixed, const PlannedRow& row);

// Makes the streamed rows visible to whoever reads them next (another thread or process).
void end_streaming();

}  // namespace orv::media::detail::avx2

#endif
