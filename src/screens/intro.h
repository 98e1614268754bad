// The intro: three timed pages before the first title menu.
#pragma once

#include <string>

namespace orv {

struct Game;

// Shows the credits page, the presenting page and the author page over the loading picture,
// held 6, 3 and 2 seconds, with the QUENDRAL1 and QUENDRAL sounds opening pages 2 and 3. Reads
// no input: the intro cannot be skipped (a close request from the desktop still ends the game).
void show_intro(Game& g);

// The loading picture's file name: the first "#" of the pattern replaced by the digit; empty
// when the pattern has no "#".
std::string intro_picture_name(const std::string& pattern, int digit);

}  // namespace orv
