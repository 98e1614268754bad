// State of the program frame: the game's life cycle, the screen and the level clock.
#pragma once

#include <cstdint>
#include <string>

#include "game/play_mode.h"

namespace orv {

// Whether the game in play goes on or ends at the end of this frame.
enum class GameState : std::int32_t { kRunning = 21, kEnding = 23 };

struct FrameState {
  std::string start_directory;     // current directory at start-up, ending with "/"
  std::string configuration_path;  // start directory + "DATA\ini.txt"
  // The player's configuration folder (controls.txt, gamecontrollerdb.txt), ending with "/";
  // empty: none.
  std::string user_config_folder;
  // Playing the data installed with the game, which is never written into.
  bool installed_data = false;
  // The command line chose window or fullscreen: that wins over the player's settings.
  bool display_chosen = false;
  // The input is recorded or replayed: the game takes the same frames whatever the settings
  // say (the intro is shown, losing the focus opens no pause dialog).
  bool recorded_input = false;
  GameState game_state = GameState::kRunning;
  bool quit_requested = false;  // set by the quit dialog
  // The HARDCORE trap caught the player: the end of the frame returns to the title.
  bool title_requested = false;
  bool menu_active = true;             // true while the intro, title menu or highscore screen runs
  std::int32_t built_level = 0;        // level last generated; -1 forces a rebuild
  std::int32_t frame_counter = 0;      // frames since the last time unit
  std::int32_t time_unit_length = 60;  // copy of WORLDREFRESH
  float screen_width = 1.0f;
  float screen_height = 1.0f;
  float display_scale = 1.0f;  // screen width / RESBASEW
  bool joypad_present = false;
  // The game plays a recording (--replay): what it reaches is not kept in the table.
  bool replaying = false;
  // The data set's key (a digest of the files that make its rules), naming its records'
  // folder below the per-user data folder; empty before the configuration is read.
  std::string data_set_key;
  // The kind of game being played (normal, practice, the day's) and the level record.
  PlayModeState play;

  // Where the game is, for the fault log: the module and a line near the running statement.
  const char* fault_module = "Main Module";
  int fault_line = 0;
  int consecutive_faults = 0;  // faulting frames in a row
};

// Marks the running operation for the fault log.
#define ORV_FAULT_SITE(g, module) \
  ((g).frame.fault_module = (module), (g).frame.fault_line = __LINE__)

}  // namespace orv
