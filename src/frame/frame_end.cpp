// The end of every frame (module ddd).
#include "frame/frame_end.h"

#include "frame/level_clock.h"
#include "game/game.h"
#include "game/window_events.h"
#include "screens/game_over.h"
#include "screens/game_recording.h"
#include "world/world_frame.h"

namespace orv {

void frame_end(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  ORV_FAULT_SITE(g, "ddd");
  gfx.start_3d();
  world_frame(g);
  gfx.stop_3d();
  ORV_FAULT_SITE(g, "engine_internals");
  level_timer_tick(g);
  ORV_FAULT_SITE(g, "ddd");
  gfx.flip_buffers();
  poll_window_events(g);
  check_played_game(g);
  if (g.config.frame_pause_ms > 0) g.media.sys.delay(g.config.frame_pause_ms);
  if (g.frame.game_state == GameState::kEnding) {
    game_over(g);
  } else if (g.frame.title_requested) {
    return_to_title(g);
  }
}

}  // namespace orv
