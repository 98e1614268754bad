// The main loop: one turn per frame, and the recovery from faults that abandon a frame.
#pragma once

#include <functional>

namespace orv {

struct Game;

// One turn of the main loop. Returns normally after the frame; faults are the caller's.
void main_loop_turn(Game& g);
// Runs the main loop until the program ends (end_program throws ProgramEnd).
[[noreturn]] void main_loop(Game& g);
// Runs turn once per frame for ever; a fault abandons that frame, is logged, and the loop goes
// on with the next frame, until kMaxFaultsInARow faulting frames in a row end the program with
// a message and exit code kExitAfterFaults.
[[noreturn]] void run_frames(Game& g, const std::function<void(Game&)>& turn);
// The frame a fault abandoned may have left a dialog or a screen counted as open, a level half
// built with its cache switched on, and the mixer's lock held: the next frame starts without
// them, and builds the level again.
void recover_from_fault(Game& g);

}  // namespace orv
