// Parsing the command line and the texts of --help.
#include "frame/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "game/settings_file.h"

namespace orv {
namespace {

using Action = CommandLine::Action;

struct OptionHelp {
  const char* name;
  const char* text;
};

constexpr std::array<OptionHelp, 11> kOptions{{
    {"--help", "print this help and exit"},
    {"--version", "print the version and exit"},
    {"--data DIR", "play the data in DIR (the folder holding DATA/ini.txt)"},
    {"--fullscreen", "start in fullscreen (F11 or Alt+Enter switches)"},
    {"--window", "start in a window (the default)"},
    {"--renderer R",
     "show pictures by the CPU (software) or scaled by the GPU (gpu); without it the GPU\n"
     "                  is used where it is hardware, and stderr names the one used"},
    {"--daily", "play the day's labyrinth at once (the same for everyone that UTC day)"},
    {"--record FILE", "record the game's seed and input into FILE"},
    {"--replay FILE",
     "play the recording (or the kept game) in FILE instead of the keyboard and joypad;\n"
     "                  P pauses, Right or Page Down held plays 4x, Space (paused) takes over"},
    {"--export-score N", "write the recording of entry N of the best scores to a file"},
    {"--verify FILE", "play the kept game in FILE without a window and check its score"},
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
  if (name == "--verify") return &line.verify_file;
  if (name == "--export-score") return &line.export_score;
  if (name == "--renderer") return &line.renderer;
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
  const int tasks = !line.verify_file.empty() + !line.export_score.empty() +
                    (!line.record_file.empty() || !line.replay_file.empty());
  if (tasks > 1)
    return usage_error("--verify, --export-score and --record or --replay exclude each other");
  if (!line.renderer.empty() && line.renderer != "software" && line.renderer != "gpu")
    return usage_error("--renderer takes software or gpu");
  if (!line.export_score.empty()) {
    int n = 0;
    const std::string& text = line.export_score;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1)
      return usage_error("--export-score needs an entry number from 1 on");
  }
  return line;
}

std::string usage_text() {
  return "Usage: orvante [--data DIR] [--fullscreen | --window] [--daily]\n"
         "               [--renderer software|gpu]\n"
         "               [--record FILE | --replay FILE]\n"
         "       orvante [--data DIR] --verify FILE | --export-score N\n"
         "       orvante --help | --version\n";
}

std::string help_text(const HelpPlaces& places) {
  std::string text = usage_text() + "\nOptions:\n";
  for (const OptionHelp& option : kOptions) {
    std::string name = option.name;
    name.resize(std::max<std::size_t>(name.size() + 1, 16), ' ');
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
          "records/<key>/,\n  one table per data set, each score with the recording of its game\n";
  text += "Settings, kept by the OPTIONS screen (O on the title) in " + places.config +
          "settings.txt:\n" + settings_help();
  text += "Key bindings: " + places.config + "controls.txt\n";
  text += "\nSee also: orvante-check(6), orvante-level(6), man orvante\n";
  return text;
}

}  // namespace orv
