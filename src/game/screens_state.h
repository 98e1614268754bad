// State of the screens around play: the title menu, the highscore screen and the intro.
#pragma once

#include "media/types.h"

namespace orv {

struct ScreensState {
  // The picture behind the intro, title and highscore screens, shared by all three: each
  // screen frees it and loads its own; it stays loaded after the screen ends.
  media::SpriteId background_sprite;
  media::Sprite3dId background_sprite3d;
  // The key or button that opens the options screen from the title was down last frame.
  bool options_key_down = false;
  // The same for practice and the day's labyrinth.
  bool practice_key_down = false;
  bool daily_key_down = false;
  // Set during a screen loop to leave it as START would.
  bool leave_screen = false;
};

}  // namespace orv
