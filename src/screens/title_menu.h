// The title menu: shown after the intro and after every finished game.
#pragma once

namespace orv {

struct Game;

// Runs the title menu until the player gives the START command, then sets up a new game:
// level 1 (or the practice level chosen), score 0, and a freshly built first level.
void show_title_menu(Game& g);

// Instead of the title: a new game that plays the recording read into the game's tape state
// (with watch controls, the player may pause it, speed it up and take it over).
void start_recorded_game(Game& g, bool watch_controls);

}  // namespace orv
