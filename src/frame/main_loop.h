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
// A fault leaves its frame by a jump that skips every destructor and every "set back" that was
// still to come. What that can leave mid-change, and what the next frame finds:
// - a dialog or a screen counted as open and the menu flag on: both reset;
// - a level half built, with the tile definition cache on: the cache is dropped and the level
//   built again;
// - the mixer's lock held by the faulting thread: released;
// - the 3D drawing mode begun, additive (or any other) blending and smoothed scaling, which the
//   draw that changed them would have set back: back to no mode, plain alpha blending and sharp
//   scaling, as between any two draws;
// - the text cursor away from its origin, where every text leaves it ("|" at its end): back to
//   the origin;
// and what needs nothing: the game over and the return to the title run again in the next frame
// (their requests stay set until they ran); a level announcement still pending plays again; the
// command held back by a dialog clears once its keys are seen up; an object placed or released
// half-way is one no cell holds, never drawn and forgotten with the next level's object list;
// the world counters change by single stores; a table of best scores replaced half-way leaves a
// temporary file beside it, which start-up removes; the fault log's module and line are set
// before every operation.
void recover_from_fault(Game& g);

}  // namespace orv
