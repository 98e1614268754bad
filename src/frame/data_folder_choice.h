// Choosing the data folder the game plays from and making it the start directory.
#pragma once

#include <string>

namespace orv {

struct Game;

// Where the game was installed and built: the places searched after --data, ORVANTE_DATA and
// the current directory.
struct BuiltInPlaces {
  std::string installed_data;
  std::string source_data;
};

// Makes the folder given with --data, or else the first folder holding DATA/ini.txt of
// $ORVANTE_DATA, the current directory, the installed data and the source tree's data, the
// current directory, so that every path of the configuration, those used as written included,
// reads from it. When none holds it, reports kErrorNoDataFolder naming the places looked at,
// which ends the program.
void enter_data_folder(Game& g, const std::string& option, const BuiltInPlaces& places);

}  // namespace orv
