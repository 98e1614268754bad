#include "game/window_events.h"

#include "game/game.h"

namespace orv {

void poll_window_events(Game& g) {
  g.media.gfx.window_event(g.config.multitask);
}

}  // namespace orv
