// Every game keeps its recording: where it started from and what it saw of the input. A kept
// recording can start the same game again and play it back in place of the player.
#pragma once

#include "media/game_record.h"

namespace orv {

struct Game;

// A new game starts now: its start values are noted and its input kept from here on.
void begin_kept_game(Game& g);
// The recording of the game being played, claiming what it has reached now.
media::GameRecord finished_game_record(const Game& g);

// Starts the recorded game (after a new game's reset): its start values, bindings and seed,
// then its input in place of the player's.
void start_played_game(Game& g, const media::GameRecord& record, bool watch_controls);

// Called at the end of every frame of a played-back game: a verify stops well past its claimed
// end; a demo ends at any key or button (back to the title).
void check_played_game(Game& g);
// The time ran out. True when the game was played back and needs no highscore screen (a verify
// ends the program with what it reached, a demo goes back to the title).
bool end_played_game(Game& g);
// A demo ends: the player's own bindings and seed come back.
void stop_demo(Game& g);

}  // namespace orv
