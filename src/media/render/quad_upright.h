// Upright quads stretched on either axis.
#pragma once

#include "media/render/quad_paths.h"

namespace orv::media::detail {

// False, drawing nothing, when the quad is not upright.
bool draw_upright(const QuadDraw& d);

}  // namespace orv::media::detail
