// The pieces shared by the screens around play: the background picture, the page flip and the
// frame loop of the title and highscore screens.
#pragma once

#include <functional>
#include <string>

namespace orv {

struct Game;
struct FrameState;

// Frees the shared background and loads the picture at path into it (magenta transparent),
// sized to the screen. A missing picture leaves no background.
void load_screen_background(Game& g, const std::string& path);
// Draws the background over the whole screen, when there is one.
void draw_screen_background(Game& g);
// Begins a screen's page: start_3d, black, the background and the drifting screen sprites.
void draw_screen_base(Game& g);

// Ends a drawn page: stop_3d and flip (where a close request from the desktop ends the
// program); with MULTICORE 0 the window events of the page are handled.
void show_screen_page(Game& g);

// The prompt that tells the player how to continue, for the input device in use.
const char* continue_prompt(const FrameState& frame);

// Runs a screen until the START command: menu active on, game running, the named music track,
// the LOADINTROSCREEN background; every frame draws the background, the drifting screen sprites
// and then calls draw_texts with the opacity of the texts that fade in (0, rising to 255). The
// START that ends it counts again only after P (or the button) has been released. after_input,
// when given, runs after each frame's input is read; setting g.screens.leave_screen there ends
// the screen as START does.
void run_screen_loop(Game& g, const std::string& music,
                     const std::function<void(int fade_in_alpha)>& draw_texts,
                     const std::function<void()>& after_input = {});

}  // namespace orv
