// The title menu: shown after the intro and after every finished game.
#pragma once

namespace orv {

struct Game;

// Runs the title menu until the player gives the START command, then sets up a new game:
// level 1, score 0, and a freshly built first level.
void show_title_menu(Game& g);

}  // namespace orv
