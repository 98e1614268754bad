// What the checks of one data folder share: the game that reads it, the report, the
// configuration's pairs, and lookups of files and names as the game makes them.
#pragma once

#include <string>
#include <vector>

#include "pair_file.h"
#include "report.h"

namespace orv {
struct Game;
}

namespace orv::check {

enum class Found { kMissing, kExact, kOtherCase };

struct DataCheck {
  Game& g;
  Report& report;
  std::string root;           // the data folder, ending with "/"
  std::string configuration;  // its DATA/ini.txt
  std::vector<Pair> configuration_pairs;

  // The key line of the configuration pair that wins for key; 0 without one.
  int line_of(const std::string& key) const;
  // Reports at the configuration line of key.
  void add_at_key(const std::string& key, std::string message);
  // A path written relative to the folder the game is started in (the keys not joined to the
  // start directory), as a path of this machine's data folder.
  std::string in_folder(const std::string& game_path) const;
};

// Whether a file or folder exists as written, only in another case (which the game accepts),
// or not at all. actual receives the name as it exists.
Found find_path(const std::string& game_path, std::string* actual = nullptr);

// Whether names holds name exactly, only in another case, or not at all.
Found find_name(const std::vector<std::string>& names, const std::string& name,
                std::string* actual = nullptr);

// The names of the files of folder that match pattern ("*" or "*" + suffix), as the game's
// folder scans list them; none for an empty folder setting (a key that is not given).
std::vector<std::string> files_of(Game& g, const std::string& folder, const std::string& pattern);

// True when a path ends with a separator, so that file names can be appended.
bool ends_with_separator(const std::string& path);

}  // namespace orv::check
