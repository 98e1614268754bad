// Screenshots of the screen as 24-bit BMP files.
#pragma once

#include <string>

#include "game/input_state.h"

namespace orv {

struct Game;

// The screenshot command saves the screen under SCRSAVE and the local date and time.
void screenshot_test(Game& g, Command command);
// Saves the screen without its top two rows and left two columns as base_name + ".bmp".
// A failed grab or save is silent.
void take_screenshot(Game& g, const std::string& base_name);

}  // namespace orv
