// The player name entry of the options screen.
#pragma once

#include <string>

#include "input/menu_input.h"
#include "screens/options_pages.h"

namespace orv {

struct Game;

void draw_name_entry(Game& g, const OptionsState& s);
void handle_name_entry(Game& g, OptionsState& s, const MenuInput& in);
// The characters a name can hold and the font draws, in the order the pad offers them: space,
// capitals, small letters, digits, then the rest.
std::string name_alphabet(const Game& g);

}  // namespace orv
