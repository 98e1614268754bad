// What the SDL platform asks of the web page around the game when it runs in a browser
// (Emscripten). Elsewhere these do nothing; the desktop never calls them.
#pragma once

#include <string>

namespace orv::media {

// Hands control to the page for one turn of its event loop (the canvas is painted, input and
// timers run), then carries on where the game left off.
void web_yield();

// Shows a message of the game on the page. A question is answered there by the player: true
// for yes. An OK message returns true.
bool web_message(const std::string& title, const std::string& text, bool question);

// The page's own fullscreen, which the browser grants only from a player's key press or click.
void web_fullscreen(bool fullscreen);

// How the page scales the canvas to the browser window: square pixels (sharp) or smooth.
void web_scaling(bool sharp);

}  // namespace orv::media
