// Checks of the level: the level file and its alpha file of a data set that plays one, and the
// tile names the level builder uses.
#pragma once

#include <vector>

#include "catalogue_check.h"

namespace orv::check {

struct DataCheck;

// Reports level and alpha files whose sizes disagree with their headers or exceed the grid;
// returns the tile names the level uses (those of the generator for generated levels).
std::vector<TileUse> check_level(DataCheck& c);

}  // namespace orv::check
