// State of level building and music selection.
#pragma once

#include <cstdint>
#include <vector>

#include "game/names.h"

namespace orv {

// A cell for the edge pass of level building (nothing fills the list yet).
struct EdgeEntry {
  std::int32_t x = 0;
  std::int32_t y = 0;
  NameId tile_name = name::kEmpty;
};

struct LevelsState {
  // Size read from the base file, kept for every generated level.
  std::int32_t base_w = 0;
  std::int32_t base_h = 0;
  std::vector<EdgeEntry> edges;
  // The progress bar of level building and level file loading, in pixels.
  float bar_length = 1.0f;
  std::int32_t build_counter = 0;  // cells since the last flip of a build
  std::int32_t file_counter = 0;   // cells since the last flip of a level file load
};

}  // namespace orv
