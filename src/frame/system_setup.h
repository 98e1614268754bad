// Opening the game: the configuration file, the media services and the game window.
#pragma once

namespace orv {

struct Game;

// Reads the configuration file; error 0 when the file is missing.
void read_configuration(Game& g);
// Opens the keyboard, the sound and the joystick (with the player's pad mappings).
void open_input_and_sound(Game& g);
// Reads the player's controls.txt and settings and applies the settings.
void read_player_controls_and_settings(Game& g);
// Sizes the screen from the desktop and opens the window and its drawable screen.
void open_game_screen(Game& g);
// Hands the player's settings to the media services: loudness, scaling, and the display mode
// unless the command line chose one.
void apply_settings(Game& g);

}  // namespace orv
