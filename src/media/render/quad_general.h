// Rotated and skewed quads, drawn as two triangles or one parallelogram.
#pragma once

#include "media/render/quad_paths.h"

namespace orv::media::detail {

// Draws any quad.
void draw_general(const QuadDraw& d);

}  // namespace orv::media::detail
