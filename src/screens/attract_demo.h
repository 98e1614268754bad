// The title's demo: after a while without input the title plays a recorded game of the data set
// (the recordings in its DEMO folder, in turn) with DEMO shown, until a key or button.
#pragma once

namespace orv {

struct Game;

// Title frames without input before the demo starts (30 seconds).
constexpr int kIdleFramesBeforeDemo = 30 * 60;

// Counts the title's idle frames; true when the demo is due and its recording was read.
bool demo_due(Game& g);
// Starts the demo recording demo_due read (after a new game's reset); false when there is none.
bool start_demo(Game& g);

}  // namespace orv
