// The main loop (Main Module).
#include "frame/main_loop.h"

#include <string>

#include "catalogue/tile_definitions.h"
#include "frame/fault_log.h"
#include "frame/frame_end.h"
#include "game/errors.h"
#include "game/game.h"
#include "input/player_input.h"
#include "levels/generation.h"
#include "levels/level_file.h"
#include "media/faults.h"
#include "media/render/blend_factors.h"
#include "screens/reached_level.h"

namespace orv {
namespace {

void handle_fault(Game& g, media::FaultKind kind) {
  recover_from_fault(g);
  ++g.frame.consecutive_faults;
  log_fault(g, kind);
  // A fault that comes back on every frame would only fill the log: say so and give up.
  if (g.frame.consecutive_faults >= kMaxFaultsInARow) {
    write_log_entry(
        g, "ENGINE STOPPED: " + std::to_string(kMaxFaultsInARow) + " faulting frames in a row");
    report_error(g, kErrorRepeatedFaults);
  }
}

// A new level number means a new labyrinth, when levels are generated. A level file game loads
// its level file again for a new game or a restart (built level -1) and after a completed
// level; Page Up and Page Down only change the number it shows. A level file with nothing to
// fix completes on its first frame like any such level, but loaded again it would complete
// again on every frame: that second load is marked as counted.
void build_level_when_changed(Game& g) {
  FrameState& f = g.frame;
  if (f.built_level == g.world.level) return;
  g.world.completion_counted = false;
  if (g.config.generate_levels == 1) {
    build_generated_level(g);
    note_level_reached(g);
  } else if (f.built_level == -1 || g.world.remaining < 1) {
    const bool after_completion = f.built_level != -1;
    build_level_from_file(g);
    g.world.completion_counted = after_completion && g.world.remaining < 1;
  } else {
    f.built_level = g.world.level;
    return;
  }
  g.world.level_transition_pending = true;
  f.built_level = g.world.level;
}

}  // namespace

void recover_from_fault(Game& g) {
  g.input.open_dialogs = 0;
  g.frame.menu_active = false;
  if (g.catalogue.tile_cache.active) g.frame.built_level = -1;
  drop_tile_definition_cache(g.catalogue);
  // The drawing settings as every draw leaves them: a draw that changes them sets them back
  // afterwards, which the abandoned one never did.
  media::Graphics& gfx = g.media.gfx;
  gfx.stop_3d();
  gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  gfx.sprite3d_quality(0);
  g.text.cursor_x = g.text.cursor_y = 0.0f;
  g.media.recover_after_fault();
}

void main_loop_turn(Game& g) {
  ORV_FAULT_SITE(g, "Main Module");
  build_level_when_changed(g);
  ORV_FAULT_SITE(g, "Main Module");
  g.media.gfx.examine_mouse();
  ORV_FAULT_SITE(g, "eventhandler");
  read_input(g);
  frame_end(g);
}

void main_loop(Game& g) {
  run_frames(g, main_loop_turn);
}

void run_frames(Game& g, const std::function<void(Game&)>& turn) {
  for (;;) {
    if (auto fault = media::FaultTrap::run([&g, &turn] { turn(g); }))
      handle_fault(g, *fault);
    else
      g.frame.consecutive_faults = 0;
  }
}

}  // namespace orv
