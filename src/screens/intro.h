// The intro: three timed pages before the first title menu.
#pragma once

#include <functional>
#include <string>

namespace orv {

struct Game;

// Shows the credits page, the presenting page and the author page over the loading picture,
// held 6, 3 and 2 seconds, with the QUENDRAL1 and QUENDRAL sounds opening pages 2 and 3. Reads
// no input: the intro cannot be skipped (a close request from the desktop still ends the game).
// first_page_shown runs once the credits page is on the screen, before its 6 seconds begin: the
// start-up loads there what the intro's first picture does not need.
void show_intro(Game& g, const std::function<void()>& first_page_shown = {});

// The loading picture's file name: the first "#" of the pattern replaced by the digit; empty
// when the pattern has no "#".
std::string intro_picture_name(const std::string& pattern, int digit);

}  // namespace orv
