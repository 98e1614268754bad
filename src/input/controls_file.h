// The player's key bindings file (controls.txt): pairs of lines, a control name such as "UP"
// and the names of its keys such as "W" or "W UP".
#pragma once

#include <ostream>
#include <string>

#include "game/key_bindings.h"

namespace orv {

struct Game;
struct InputState;

// Binds the keys the file names. A control the file names gets exactly those keys (a control
// named twice gets the keys of both lines); every other control keeps its own keys except
// those the file binds elsewhere. A missing file changes nothing; a bad pair is reported on
// errors with its line number and ignored.
void read_controls_file(Game& g, const std::string& path, std::ostream& errors);

// The name of a control as the file writes it ("UP", "BOMB", ...).
std::string control_name(Control control);
// The control gets the key alone; every other control loses it, and one left without a key
// gets the control's old keys (the two swap).
void rebind_control(KeyBindings& keys, Control control, int key);
// The file text that gives the bindings: the old text with the keys of every control it names
// replaced by the control's keys now (its other lines, their order and a control named twice
// kept), pairs of controls left without a key dropped, and a pair added for each control it
// does not name whose keys are not the game's own.
std::string rewrite_controls(const std::string& old_text, const KeyBindings& keys);
// Rewrites the file at path for the game's bindings (made when missing); false when it could
// not be written, the old file then kept.
bool save_controls_file(const InputState& input, const std::string& path);

}  // namespace orv
