// Blend factor codes.
#include "media/render/blend_factors.h"

namespace orv::media {

bool is_valid_blend_factor(int code) {
  return code >= 1 && code <= 13;
}

}  // namespace orv::media
