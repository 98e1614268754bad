// Where the files the game writes go: the data folder when it is writable, else the player's
// own folders, so that nothing is ever written into an installed data folder.
#pragma once

namespace orv {

struct Game;

// After the configuration has been read: when the start directory is the installed data or is
// not writable, the error
// log goes to the per-user state folder and screenshots to the per-user pictures folder. The
// score table (HIGHSCOREFILE) always lives in the per-user data folder, in the records folder of
// the data set's key (which this computes); unfinished saves left there are removed. The log and
// screenshot folders are created when missing; where the game writes is printed on stderr.
void place_user_files(Game& g);

}  // namespace orv
