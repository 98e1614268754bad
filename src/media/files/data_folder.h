// Finding the data folder: the first of several places that holds DATA/ini.txt.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv::media {

// The places to look, in order; an empty one is skipped. A folder given on the command line is
// the only place looked at.
struct DataFolderPlaces {
  std::string option;       // given on the command line
  std::string environment;  // the ORVANTE_DATA variable
  std::string current;      // the current directory
  std::string installed;    // the data folder installed with the game
  std::string source;       // the data/ folder of the source tree the game was built from
};

struct DataFolderSearch {
  std::optional<std::string> folder;  // the one found, ending with "/"
  std::vector<std::string> looked;    // every place tried, in order, each ending with "/"
};

// True when folder holds DATA/ini.txt (letters of any case, as data made on Windows has).
bool holds_configuration(const std::string& folder);

DataFolderSearch find_data_folder(
    const DataFolderPlaces& places,
    const std::function<bool(const std::string&)>& holds = holds_configuration);

// The folder of the running program, ending with "/"; empty when it cannot be told.
std::string executable_folder();

// Makes folder the current directory. Returns false when it cannot.
bool enter_folder(const std::string& folder);

}  // namespace orv::media
