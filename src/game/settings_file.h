// settings.txt: the player's settings in the game's pair-line format, a key line such as
// "MUSICVOLUME" and a value line such as "7". Read at start-up, written whole by the options
// screen (to a temporary file renamed over the old one).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "game/settings.h"

namespace orv {

constexpr const char* kSettingsFileName = "settings.txt";

// The settings the text gives; every key it does not give keeps its default. An unknown key or
// a bad value is reported on errors as "path:line: ..." and the default kept.
Settings parse_settings(std::string_view text, const std::string& path, std::ostream& errors);
// Every key with its value, in the order of settings_help.
std::string format_settings(const Settings& settings);

// Reads the file; a missing file gives the defaults without a word.
Settings read_settings_file(const std::string& path, std::ostream& errors);
// Replaces the file (making its folder); false, with the old file kept, when it failed.
bool save_settings_file(const std::string& path, const Settings& settings);

// One line per key: its name, its values and its default, for --help and the documentation.
std::string settings_help();

}  // namespace orv
