// The pause and quit dialogs: three lines over the frozen screen until B or X is given.
#pragma once

namespace orv {

struct Game;

// B ends the game and the program (after the game-over sequence); X goes on.
void quit_dialog(Game& g);
// The quit dialog outside a game (the title menu): true for B (leave), false for X.
bool ask_quit(Game& g);
// B restarts the level with the score it began with; X goes on.
void pause_dialog(Game& g);

}  // namespace orv
