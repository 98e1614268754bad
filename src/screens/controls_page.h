// The key bindings page of the options screen.
#pragma once

#include <string>

#include "input/menu_input.h"
#include "screens/options_pages.h"

namespace orv {

struct Game;

void draw_controls_page(Game& g, const OptionsState& s);
void handle_controls_page(Game& g, OptionsState& s, const MenuInput& in);

}  // namespace orv
