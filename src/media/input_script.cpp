// Reading and writing input scripts and recordings.
#include "media/input_script.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "media/keys.h"

namespace orv::media {
namespace {

constexpr std::array<std::pair<const char*, int>, 17> kKeyNames{{
    {"P", key::kP},
    {"ESCAPE", key::kEscape},
    {"SPACE", key::kSpace},
    {"B", key::kB},
    {"X", key::kX},
    {"UP", key::kUp},
    {"DOWN", key::kDown},
    {"LEFT", key::kLeft},
    {"RIGHT", key::kRight},
    {"F12", key::kF12},
    {"A", key::kA},
    {"C", key::kC},
    {"D", key::kD},
    {"Y", key::kY},
    {"RETURN", key::kReturn},
    {"PAGEUP", key::kPageUp},
    {"PAGEDOWN", key::kPageDown},
}};

std::optional<int> key_of(const std::string& name) {
  for (const auto& [text, code] : kKeyNames)
    if (name == text) return code;
  return std::nullopt;
}

std::string name_of(int code) {
  for (const auto& [text, k] : kKeyNames)
    if (k == code) return text;
  return "?";
}

std::optional<KeyEvent> parse_line(const std::string& line) {
  std::istringstream in(line);
  KeyEvent e;
  std::string name, state, rest;
  if (!(in >> e.frame >> name >> state) || (in >> rest) || e.frame < 0) return std::nullopt;
  const auto code = key_of(name);
  if (!code || (state != "down" && state != "up")) return std::nullopt;
  e.key = *code;
  e.down = state == "down";
  return e;
}

}  // namespace

std::optional<std::vector<KeyEvent>> parse_input_script(const std::string& text) {
  std::vector<KeyEvent> events;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    const auto event = parse_line(line);
    if (!event || (!events.empty() && event->frame < events.back().frame)) return std::nullopt;
    events.push_back(*event);
  }
  return events;
}

std::string format_input_script(const std::vector<KeyEvent>& events, const std::string& header) {
  std::ostringstream out;
  out << header;
  for (const KeyEvent& e : events)
    out << e.frame << ' ' << name_of(e.key) << ' ' << (e.down ? "down" : "up") << '\n';
  return out.str();
}

bool scriptable_key(int key) {
  return name_of(key) != "?";
}

std::optional<Recording> parse_recording(const std::string& text) {
  auto events = parse_input_script(text);
  if (!events) return std::nullopt;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string hash, word, rest;
    long long seed = 0;
    if ((words >> hash >> word >> seed) && hash == "#" && word == "seed" && !(words >> rest) &&
        seed >= INT32_MIN && seed <= INT32_MAX)
      return Recording{std::int32_t(seed), std::move(*events)};
  }
  return std::nullopt;
}

std::string format_recording(const Recording& recording) {
  return format_input_script(recording.events,
                             "# ORVANTE recording: the seed of the random "
                             "generator, then one key change a line\n# seed " +
                                 std::to_string(recording.seed) + "\n");
}

}  // namespace orv::media
