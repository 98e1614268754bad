// Levels as pictures: a level file (".ai42") with its alpha file (".red") beside it, and an RGBA
// picture with one pixel per cell. A cell's three lines are the red, green and blue numbers of
// its pixel (so its tile name is the three numbers run together, "25500" for pure red), its
// alpha the pixel's alpha; cells run column by column, as the level file holds them.
#pragma once

#include <optional>
#include <string>

#include "legend.h"
#include "media/types.h"

namespace orv::level {

// The alpha file beside a level file: the same name ending in ".red" instead of ".ai42".
std::string alpha_file_of(const std::string& level_file);

// Reads a level file and its alpha file into a picture. A cell whose tile the legend names gets
// the legend's colour; every other cell line must be a number 0 to 255 as the converter writes
// it. A missing alpha file makes every cell opaque. error receives what is wrong.
std::optional<media::Image> read_level_picture(const std::string& level_file, std::string& error,
                                               const Legend* legend = nullptr);

// Writes the level file and its alpha file of a picture. The header's first line is the level's
// name (the file name without folder and extension), its fourth and fifth lines 0. A pixel whose
// colour the legend names gets that tile (cell_lines_of), every other its colour code.
bool write_level_files(const media::Image& picture, const std::string& level_file,
                       std::string& error, const Legend* legend = nullptr);

// Reads a picture with the game's decoders; writes an RGBA PNG.
std::optional<media::Image> read_picture(const std::string& file, std::string& error);
bool write_png(const media::Image& picture, const std::string& file, std::string& error);

}  // namespace orv::level
