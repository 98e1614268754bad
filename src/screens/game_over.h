// The end of a game: the closing sequence and the way back to the title menu.
#pragma once

namespace orv {

struct Game;

// "GAME OVER" over the last picture, then return_to_title.
void game_over(Game& g);
// Ends the program when a quit was asked for, otherwise runs the title menu, which sets up a
// new game. Either way a pending request for the title (the HARDCORE trap) is done with.
void return_to_title(Game& g);

}  // namespace orv
