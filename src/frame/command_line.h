// The game's command line: options, usage and help.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "media/graphics.h"

namespace orv {

// Exit status of a command line the game does not understand.
constexpr int kExitUsage = 2;

struct CommandLine {
  enum class Action { kPlay, kHelp, kVersion, kUsageError };
  Action action = Action::kPlay;
  std::string data_folder;                         // --data DIR
  std::optional<media::DisplayMode> display_mode;  // --fullscreen / --window, the last one wins
  std::string record_file;                         // --record FILE
  std::string replay_file;                         // --replay FILE
  bool daily = false;                              // --daily: the first game is the day's
  std::string verify_file;                         // --verify FILE
  std::string export_score;                        // --export-score N (1 = the best)
  std::string renderer;                            // --renderer software|gpu, empty: chosen
  std::string error;                               // one line, for kUsageError
};

// Reads the arguments after the program name. Options with a value take it as the next
// argument or after "=" (--data=DIR). --help and --version win over everything after them.
CommandLine parse_command_line(const std::vector<std::string>& args);

// The usage line: "Usage: orvante [--data DIR] ...".
std::string usage_text();

// Where the game keeps its files, for --help.
struct HelpPlaces {
  std::string installed_data;  // the installed data folder
  std::string source_data;     // the data/ folder of the source tree
  std::string state;           // per-user folders
  std::string pictures;
  std::string scores;
  std::string config;  // the per-user configuration folder
};

// Every option on a line of its own, then the folders; ends with a newline.
std::string help_text(const HelpPlaces& places);

}  // namespace orv
