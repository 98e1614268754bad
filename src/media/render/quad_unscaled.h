// Quads drawn as unscaled upright copies, the cheapest path.
#pragma once

#include "media/render/quad_paths.h"

namespace orv::media::detail {

// False, drawing nothing, when the quad is not an unscaled upright copy of the texture.
bool draw_unscaled(const QuadDraw& d);

}  // namespace orv::media::detail
