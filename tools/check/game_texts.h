// The characters of every text the game draws by itself: head-up display, dialogs, screens,
// intro and announcements, with the digits of its numbers.
#pragma once

#include <string>

namespace orv::check {

// Each character once, in byte order, without the text's control characters (space, "|", "\").
std::string game_text_characters();

}  // namespace orv::check
