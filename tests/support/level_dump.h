// A text dump of a built level, for comparing builds and for the golden level.
#pragma once

#include <string>

namespace orv {
struct Game;
}

namespace orv::test {

// The tile names of the level extent as a picture, one character per cell and one line per
// row ("W" LAB_WALL, "." LAB_FLOOR, "g" LAB_GREEN, "~" LAB_WATER, "?" anything else), then
// the cells with objects, the enemies, the player and the counters.
std::string dump_level(const Game& g);

}  // namespace orv::test
