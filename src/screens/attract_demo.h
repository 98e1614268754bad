// The title's demo: after a while without input the title plays a recorded game of the data set
// (the recordings in its DEMO folder, in turn) with DEMO shown, until a key or button. A data set
// without a recording of its own gets the game's autopilot playing live instead.
#pragma once

namespace orv {

struct Game;

// Title frames without input before the demo starts (30 seconds).
constexpr int kIdleFramesBeforeDemo = 30 * 60;

// Counts the title's idle frames; true when the demo is due (its recording, if any, was read).
bool demo_due(Game& g);
// Starts the demo demo_due chose (after a new game's reset): the recording it read, or else the
// autopilot from the data set's own seed; false when no demo can play.
bool start_demo(Game& g);

}  // namespace orv
