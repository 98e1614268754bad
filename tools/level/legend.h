// A legend for drawn levels: which colour of a picture stands for which tile name, so that a
// level drawn in a paint program can use the tiles the play rules know (LAB_FLOOR, LAB_WALL,
// ...) instead of colour codes, which are scenery.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "media/types.h"

namespace orv::level {

struct LegendEntry {
  media::Pixel colour = 0;  // 0x00RRGGBB
  std::string tile;
};

struct Legend {
  std::vector<LegendEntry> entries;

  // The tile name of the colour (its alpha ignored); nullptr when the legend has none.
  const std::string* tile_of(media::Pixel colour) const;
  // The colour of the tile name, without alpha; nullopt when the legend has none.
  std::optional<media::Pixel> colour_of(const std::string& tile) const;
};

// Reads a legend: pairs of lines, a colour as three numbers 0 to 255 (red, green, blue,
// separated by blanks or commas), then the tile name it stands for. A colour or a tile named
// twice, a tile name that could leave the tile folder, or a colour that is no colour is refused;
// error receives the file and line.
std::optional<Legend> read_legend(const std::string& file, std::string& error);

// The three cell lines of a tile name in a level file: a name with "_" is split around its
// first "_" ("LAB", "_", "FLOOR"), as the rule tiles are written; any other name is the first
// line, followed by two empty ones.
std::array<std::string, 3> cell_lines_of(const std::string& tile);

}  // namespace orv::level
