// Parsing the command line and the texts of --help.
#include "frame/command_line.h"

#include <array>

#include "game/settings_file.h"

namespace orv {
namespace {

using Action = CommandLine::Action;

struct OptionHelp {
  const char* name;
  const char* text;
};

constexpr std::array<OptionHelp, 8> kOptions{{
    {"--help", "print this help and exit"},
    {"--version", "print the version and exit"},
    {"--data DIR", "play the data in DIR (the folder holding DATA/ini.txt)"},
    {"--fullscreen", "start in fullscreen (F11 or Alt+Enter switches)"},
    {"--window", "start in a window (the default)"},
    {"--daily", "play the day's labyrinth at once (the same for everyone that UTC day)"},
    {"--record FILE", "record the game's seed and input into FILE"},
    {"--replay FILE", "play the recording in FILE instead of the keyboard and joypad"},
}};

CommandLine usage_error(std::string error) {
  CommandLine line;
  line.action = Action::kUsageError;
  line.error = std::move(error);
  return line;
}

// Splits "--name=value" into its two halves; value is nullopt without "=".
std::pair<std::string, std::optional<std::string>> split_option(const std::string& arg) {
  const std::size_t eq = arg.find('=');
  if (!arg.starts_with("--") || eq == std::string::npos) return {arg, std::nullopt};
  return {arg.substr(0, eq), arg.substr(eq + 1)};
}

std::string* value_slot(CommandLine& line, const std::string& name) {
  if (name == "--data") return &line.data_folder;
  if (name == "--record") return &line.record_file;
  if (name == "--replay") return &line.replay_file;
  return nullptr;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto [name, inline_value] = split_option(args[i]);
    if (std::string* slot = value_slot(line, name)) {
      if (!inline_value && i + 1 == args.size()) return usage_error(name + " needs a value");
      *slot = inline_value ? *inline_value : args[++i];
      if (slot->empty()) return usage_error(name + " needs a value");
      continue;
    }
    if (inline_value) return usage_error(name + " takes no value");
    if (name == "--help" || name == "-h") {
      line.action = Action::kHelp;
      return line;
    }
    if (name == "--version") {
      line.action = Action::kVersion;
      return line;
    }
    if (name == "--fullscreen") {
      line.display_mode = media::DisplayMode::kFullscreen;
    } else if (name == "--window") {
      line.display_mode = media::DisplayMode::kWindow;
    } else if (name == "--daily") {
      line.daily = true;
    } else {
      return usage_error("unknown option " + name);
    }
  }
  if (!line.record_file.empty() && !line.replay_file.empty())
    return usage_error("--record and --replay cannot be used together");
  return line;
}

std::string usage_text() {
  return "Usage: orvante [--data DIR] [--fullscreen | --window] [--daily]\n"
         "               [--record FILE | --replay FILE]\n"
         "       orvante --help | --version\n";
}

std::string help_text(const HelpPlaces& places) {
  std::string text = usage_text() + "\nOptions:\n";
  for (const OptionHelp& option : kOptions) {
    std::string name = option.name;
    name.resize(16, ' ');
    text += "  " + name + option.text + "\n";
  }
  text +=
      "\nData: the folder given with --data, else the first holding DATA/ini.txt of\n"
      "  $ORVANTE_DATA, the current directory, " +
      places.installed_data + ", " + places.source_data + "\n";
  text +=
      "Error log and screenshots: LOGPATH and SCRSAVE of the data folder when it is\n"
      "  writable, else " +
      places.state + " and " + places.pictures + "\n";
  text += "Best scores (with HIGHSCOREFILE in DATA/ini.txt): " + places.scores +
          "records/<key>/,\n  one table per data set\n";
  text += "Settings, kept by the OPTIONS screen (O on the title) in " + places.config +
          "settings.txt:\n" + settings_help();
  text += "Key bindings: " + places.config + "controls.txt\n";
  text += "\nSee also: orvante-check(6), orvante-level(6), man orvante\n";
  return text;
}

}  // namespace orv
