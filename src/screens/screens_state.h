// State of the screens around play: the title menu, the highscore screen and the intro.
#pragma once

namespace orv {

struct ScreensState {};

}  // namespace orv
