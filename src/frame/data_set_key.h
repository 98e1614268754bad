// The key that keeps each data set's records apart: a digest of the files that make its
// rules, so a mod, another data set and the shipped data each keep their own best scores,
// while the same data copied to another folder keeps the same ones.
#pragma once

#include <string>

namespace orv {

struct Game;

// After the configuration has been read (its paths name the files): a digest of the
// configuration file, the tile definitions (RGBCODEPATH, every file below it), the object
// definitions (the ".dll" files of WORLDGFX), the level files (the files of APPENTRY's folder)
// and the base file of generated levels (SELFCREATEBASE). Pictures, sounds and the font do not
// change the rules and do not count.
std::string data_set_key(const Game& g);

}  // namespace orv
