// The level chooser of a practice game, opened from the title menu.
#pragma once

#include <cstdint>
#include <optional>

namespace orv {

struct Game;

// Lets the player choose a level from 1 to the highest reached (which it starts at): Up or
// Right one higher, Down or Left one lower; Return or pad A starts it, Escape, pad B or Back
// go back to the title (nullopt).
std::optional<std::int32_t> choose_practice_level(Game& g);

}  // namespace orv
