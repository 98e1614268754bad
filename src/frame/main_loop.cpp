// Start-up and the main loop.
#include <string>

#include "catalogue/object_kinds.h"
#include "catalogue/tile_definitions.h"
#include "frame/start_up.h"
#include "frame/world_collections.h"
#include "game/errors.h"
#include "game/game.h"
#include "input/player_input.h"
#include "levels/generation.h"
#include "levels/level_file.h"
#include "screens/folder_scans.h"
#include "screens/intro.h"
#include "screens/title_menu.h"
#include "text/font.h"

namespace orv {
namespace {

// The frame a fault abandoned may have left a dialog or a screen counted as open, a level
// half built with its cache switched on, and the mixer's lock held: the next frame starts
// without them, and builds the level again.
void recover_from_fault(Game& g) {
  g.input.open_dialogs = 0;
  g.frame.menu_active = 0;
  if (g.catalogue.tile_cache.active) g.frame.built_level = -1;
  drop_tile_definition_cache(g);
  g.media.recover_after_fault();
}

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

void start_up_steps(Game& g) {
  read_configuration(g);
  open_game_screen(g);
  // SDL wants window events handled on the thread that made the window, so no event thread is
  // started: with MULTICORE 1 the media layer handles them at every flip instead.
  read_player_name(g);
  create_world_collections(g);
  scan_tile_graphics(g);
  clear_catalogues(g);
  load_object_kinds(g);
  scan_sounds(g);
  scan_music(g);
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  load_font(g);
  show_intro(g);
  show_title_menu(g);
  build_first_level(g);
  // The first game starts as every later one does: the main loop builds its level 1 afresh
  // and announces it.
  g.frame.built_level = -1;
}

// A new level number means a new labyrinth, when levels are generated. A level file game loads
// its level file again for a new game or a restart (built level -1) and after a completed
// level; Page Up and Page Down only change the number it shows.
void build_level_when_changed(Game& g) {
  FrameState& f = g.frame;
  if (f.built_level == g.world.level) return;
  if (g.config.use_self_create_base == 1) {
    build_generated_level(g);
  } else if (f.built_level == -1 || g.world.remaining < 1) {
    build_level_from_file(g);
  } else {
    f.built_level = g.world.level;
    return;
  }
  g.world.level_transition_pending = 1;
  f.built_level = g.world.level;
}

}  // namespace

void start_up(Game& g) {
  g.frame.start_directory = g.media.files.current_directory();
  g.frame.configuration_path = g.frame.start_directory + "DATA\\ini.txt";
  media::FaultTrap::install();
  g.media.on_close_request([&g] { end_program(g); });
  // A fault during start-up leaves the game half made, with no frame to go on with: it is
  // logged and the program ends, without asking whether to continue, even after a division by
  // zero.
  if (auto fault = media::FaultTrap::run([&g] { start_up_steps(g); })) {
    recover_from_fault(g);
    write_log_entry(g, media::fault_text(*fault));
    report_error(g, kErrorStartUpFault);
  }
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
