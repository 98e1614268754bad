// Start-up: configuration, media services, window, catalogues, intro and title, first level.
#include "frame/start_up.h"

#include "catalogue/object_kinds.h"
#include "frame/fault_log.h"
#include "frame/main_loop.h"
#include "frame/player_name.h"
#include "frame/system_setup.h"
#include "frame/user_files.h"
#include "frame/world_collections.h"
#include "game/errors.h"
#include "game/game.h"
#include "levels/generation.h"
#include "media/faults.h"
#include "screens/folder_scans.h"
#include "screens/intro.h"
#include "screens/title_menu.h"
#include "text/font.h"

namespace orv {
namespace {

// What the intro's first picture does not need: the world grid (tens of megabytes to clear) and
// the decoded sound effects, which the intro first plays six seconds later.
void load_after_first_picture(Game& g) {
  create_world_collections(g);
  scan_sounds(g);
}

// A kept game is played on the data set it was played on: a verify on other data ends here.
void check_played_data_set(Game& g) {
  if (!g.tape.played || g.tape.played->data_set == g.frame.data_set_key) return;
  g.tape.other_data_set = true;
  if (g.tape.mode == TapeMode::kVerify) end_program(g, 1);
  g.media.sys.notice("the recording was made on the data set " + g.tape.played->data_set +
                     ", this is " + g.frame.data_set_key + ": it may play another way");
}

void start_up_steps(Game& g) {
  read_configuration(g);
  open_input_and_sound(g);
  read_player_controls_and_settings(g);
  place_user_files(g);
  check_played_data_set(g);
  open_game_screen(g);
  // SDL wants window events handled on the thread that made the window, so no event thread is
  // started: with MULTICORE 1 the media layer handles them at every flip instead.
  read_player_name(g);
  scan_tile_graphics(g);
  clear_catalogues(g);
  load_object_kinds(g);
  scan_music(g);
  scan_effect_sprites(g);
  scan_screen_sprites(g);
  load_font(g);
  if (g.tape.mode == TapeMode::kVerify || g.tape.mode == TapeMode::kWatch) {
    // A kept game starts as it did, without intro or title.
    load_after_first_picture(g);
    start_recorded_game(g, g.tape.mode == TapeMode::kWatch);
  } else {
    // A recorded session always has its intro: the intro's frames and random draws are part of
    // it.
    if (g.settings.intro_shown || g.frame.recorded_input) {
      show_intro(g, [&g] { load_after_first_picture(g); });
    } else {
      load_after_first_picture(g);
    }
    show_title_menu(g);
  }
  build_first_level(g);
  // The first game starts as every later one does: the main loop builds its level 1 afresh
  // and announces it.
  g.frame.built_level = -1;
}

}  // namespace

void note_start_places(Game& g) {
  g.frame.start_directory = g.media.folders.current_directory();
  g.frame.configuration_path = g.frame.start_directory + "DATA\\ini.txt";
  g.frame.user_config_folder = g.media.user_folders.config_folder();
}

void start_up(Game& g) {
  note_start_places(g);
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

}  // namespace orv
