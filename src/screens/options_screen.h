// The OPTIONS screen, opened from the title menu: the player's settings, name and keys, changed
// with the keyboard or the pad alone, and kept in settings.txt and controls.txt.
#pragma once

#include <string>

namespace orv {

struct Game;
struct FrameState;

// Runs the options screen over the title's background and drifting sprites until Escape or pad
// Back; the changes are applied at once and saved when it is left.
void show_options_screen(Game& g);

// The path of settings.txt and controls.txt in the per-user folder; empty without one.
std::string settings_path(const FrameState& frame);
std::string controls_path(const FrameState& frame);

}  // namespace orv
