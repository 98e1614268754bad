// The shipped data pushed to its largest settings, for long runs that look for memory growth.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bot/bot_session.h"

namespace orv::bot {

// Fills all eight child slots of the floor and green tile definitions of the copy with pick-ups
// and makes its base labyrinth as large as the grid holds; returns the settings that go with
// it (the largest MAPSIZE, many enemies).
std::vector<std::pair<std::string, std::string>> make_largest(DataCopy& data);

}  // namespace orv::bot
