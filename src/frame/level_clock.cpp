// The level clock (module engine_internals): one time unit every WORLDREFRESH + 1 frames.
#include "frame/level_clock.h"

#include "game/game.h"
#include "media/numbers.h"
#include "screens/highscore.h"
#include "sound/named_sounds.h"

namespace orv {

void level_timer_tick(Game& g) {
  // A completed level has time 0 until the main loop builds the next one: the clock waits, so
  // the completion never runs out the time.
  if (g.frame.built_level != g.world.level) return;
  g.frame.frame_counter = media::saturating_add(g.frame.frame_counter, 1);
  if (g.frame.frame_counter <= g.frame.time_unit_length) return;
  g.frame.frame_counter = 0;
  g.world.time = media::saturating_add(g.world.time, -1);
  if (g.world.time >= 1 && g.world.time <= 10) play_named_sound(g, g.config.timer_sound, false);
  if (g.world.time < 0) {
    show_highscore(g);
    if (!g.frame.menu_active) g.frame.game_state = GameState::kEnding;
  }
}

}  // namespace orv
