// The player's key bindings file (controls.txt): pairs of lines, a control name such as "UP"
// and the names of its keys such as "W" or "W UP".
#pragma once

#include <ostream>
#include <string>

namespace orv {

struct Game;

// Binds the keys the file names. A control the file names gets exactly those keys (a control
// named twice gets the keys of both lines); every other control keeps its own keys except
// those the file binds elsewhere. A missing file changes nothing; a bad pair is reported on
// errors with its line number and ignored.
void read_controls_file(Game& g, const std::string& path, std::ostream& errors);

}  // namespace orv
