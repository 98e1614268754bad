#include "game/window_events.h"

#include "game/game.h"

namespace orv {

void poll_window_events(Game& g) {
  if (g.config.multicore == 0) g.media.gfx.window_event(g.config.frame_pause_ms);
}

}  // namespace orv
