// Start-up, the main loop and the end of each frame.
#pragma once

#include <functional>

namespace orv {

struct Game;

// Faulting frames in a row after which the game gives up instead of filling the log.
constexpr int kMaxFaultsInARow = 100;

// Start values, configuration, media services, window and catalogues, up to the first level.
// A fault on the way is logged and ends the program with a message and kExitAfterFaults.
void start_up(Game& g);
// One turn of the main loop. Returns normally after the frame; faults are the caller's.
void main_loop_turn(Game& g);
// Runs the main loop until the program ends (end_program throws ProgramEnd).
[[noreturn]] void main_loop(Game& g);
// Runs turn once per frame for ever; a fault abandons that frame, is logged, and the loop goes
// on with the next frame, until kMaxFaultsInARow faulting frames in a row end the program with
// a message and exit code kExitAfterFaults.
[[noreturn]] void run_frames(Game& g, const std::function<void(Game&)>& turn);

// Reads the configuration file and opens the media services; error 0 when the file is missing.
void read_configuration(Game& g);
// Sizes the screen from the desktop and opens the window and its drawable screen.
void open_game_screen(Game& g);
// Takes the player name from the last folder of the home folder.
void read_player_name(Game& g);

// The end of every frame: world drawing, level clock, flip, event polling, pause, game over.
void frame_end(Game& g);
// Counts one frame of the level time.
void level_timer_tick(Game& g);
// Lets the window system run when the game thread polls events (MULTICORE 0).
void poll_window_events(Game& g);

}  // namespace orv
