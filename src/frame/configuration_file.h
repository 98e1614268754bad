// Reading DATA/ini.txt: pairs of lines, a key line and a value line, matched exactly.
#pragma once

#include <string>
#include <vector>

namespace orv {

struct Game;

// How a key's value is used: as written, joined to the start directory, read as a number, or
// not at all (a key the game knows and skips).
enum class ConfigurationValue { kText, kPath, kNumber, kUnused };

struct ConfigurationKey {
  const char* name;
  ConfigurationValue value;
};

// Every key the reader knows, in the order in which keys are tested.
std::vector<ConfigurationKey> configuration_keys();

// Stores one key/value pair into the game's settings; unknown keys do nothing (false).
bool apply_configuration_pair(Game& g, const std::string& key, const std::string& value);

// Reads the configuration file at path, then replaces the values the game cannot run with.
// Returns false when it cannot be opened (the caller reports the error). A file that sets no
// known key at all is told on stderr.
bool read_configuration_file(Game& g, const std::string& path);

}  // namespace orv
