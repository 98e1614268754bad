// Fixed levels: a level file (".ai42") naming the tile of every cell by three lines, and an
// alpha file (".red") giving every cell's opacity, both column by column.
#pragma once

#include <cstdint>
#include <string>

#include "media/types.h"

namespace orv {

struct Game;
struct Config;

// The level file's name: APPENTRY + APPSTART + ".ai42".
std::string level_file_name(const Config& config);
// The level of a level file game, built afresh for every new game, restart and completed level:
// the world emptied, the level file loaded again and the level counted as a generated one is.
// Its open cells (collision 0) stand for the floor a generated level carves: the remaining
// count is a quarter of the open cells and the goodies placed on the level, the time a quarter
// of that, at most 60; the player starts on the first open cell, column by column.
void build_level_from_file(Game& g);
// Loads the level file (error 6 when it cannot be opened) and the alpha file APPENTRY +
// APPSTART + ".red" into the world grid, growing the grid when the level needs it.
void load_level_file(Game& g, const std::string& file);
// The cells of an open level file after its header.
void read_level_cells(Game& g, media::FileId file, std::int32_t max_x, std::int32_t max_y);
// The alphas of an open alpha file (0 = the file did not open: every cell gets alpha 0).
void read_alpha_cells(Game& g, media::FileId file, std::int32_t max_x, std::int32_t max_y);

}  // namespace orv
