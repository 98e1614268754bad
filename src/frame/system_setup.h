// Opening the game: the configuration file, the media services and the game window.
#pragma once

namespace orv {

struct Game;

// Reads the configuration file and opens the media services; error 0 when the file is missing.
void read_configuration(Game& g);
// Sizes the screen from the desktop and opens the window and its drawable screen.
void open_game_screen(Game& g);
// Hands the player's settings to the media services: loudness, scaling, and the display mode
// unless the command line chose one.
void apply_settings(Game& g);

}  // namespace orv
