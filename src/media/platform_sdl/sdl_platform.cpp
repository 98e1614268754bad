#include "media/platform.h"

namespace orv::media {
std::unique_ptr<Platform> make_sdl_platform() {
  return nullptr;
}
}  // namespace orv::media
