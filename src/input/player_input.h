// The player's input: held direction, commands, steps.
#pragma once

#include "game/input_state.h"

namespace orv {

struct Game;

// Once per frame: sets the held direction and the command, may step the player, open a dialog,
// detonate a bomb, take a screenshot or change the level number.
void read_input(Game& g);
// Reads the command buttons from this frame's device snapshot and dispatches the command.
void read_commands(Game& g);
// Holds back a command that has just closed a screen or a dialog until its keys (or button)
// have been released.
void hold_back_until_released(InputState& input, Command command);
// Acts on the A, START and quit commands during play.
void dispatch_command(Game& g, Command command);

}  // namespace orv
