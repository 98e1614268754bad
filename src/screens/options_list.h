// The list of settings on the options screen.
#pragma once

#include <string>

#include "input/menu_input.h"
#include "screens/options_pages.h"

namespace orv {

struct Game;

void draw_options_list(Game& g, const OptionsState& s);
void handle_options_list(Game& g, OptionsState& s, const MenuInput& in);

}  // namespace orv
