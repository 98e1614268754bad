// Asset lists (tile graphics, sounds, music, decorative sprites) and the screens around play.
#pragma once

namespace orv {

struct ScreensState {};

}  // namespace orv
